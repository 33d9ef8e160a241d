#include "game/runs/RunTape.h"

#include <utility>

#include "engine/Log.h"
#include "messaging/Input.h"

namespace Orvex
{
namespace RunKeys
{
namespace
{
struct KeyScancodes
{
    std::uint8_t key;
    unsigned scancodes[3]; // 0: none
};

// The left and right keys of the controller's layouts 0, 1 and 2, and Space.
constexpr KeyScancodes keyScancodes[] = {
    {Left, {4, 80, 92}},
    {Right, {7, 79, 94}},
    {Space, {44, 0, 0}},
};
} // namespace

std::uint8_t Held()
{
    std::uint8_t held = 0;
    for (const KeyScancodes& entry : keyScancodes)
        for (unsigned scancode : entry.scancodes)
            if (scancode != 0 && Input::KeyHeld(scancode))
                held |= entry.key;
    return held;
}

void Apply(std::uint8_t wanted)
{
    for (const KeyScancodes& entry : keyScancodes)
        for (unsigned scancode : entry.scancodes)
        {
            if (scancode == 0)
                continue;
            const bool want = (wanted & entry.key) != 0;
            if (want && !Input::KeyHeld(scancode))
                Input::KeyDown(scancode);
            else if (!want && Input::KeyHeld(scancode))
                Input::KeyUp(scancode);
        }
}
} // namespace RunKeys

void RunTape::Replay(RecordedRun played)
{
    mode = Mode::Replay;
    run = std::move(played);
    steps = 0;
    savePath.clear();
}

void RunTape::Record(const std::string& level, std::uint64_t seed, const std::string& path)
{
    mode = Mode::Record;
    run = RecordedRun{level, seed, {}};
    steps = 0;
    savePath = path;
}

void RunTape::Stop() { mode = Mode::Off; }

void RunTape::Rewind()
{
    steps = 0;
    if (Recording())
        run.keys.clear();
}

void RunTape::Play()
{
    RunKeys::Apply(steps < run.keys.size() ? run.keys[steps] : 0);
    ++steps;
}

void RunTape::Capture()
{
    if (run.keys.size() >= RecordedRun::maxSteps)
        return;
    run.keys.push_back(RunKeys::Held());
    ++steps;
}

void RunTape::LevelEnded()
{
    if (!Recording() || savePath.empty())
        return;
    try
    {
        WriteRun(savePath, run);
        Log("Recorded " + std::to_string(run.keys.size()) + " steps of " + run.level + " in " +
            savePath);
    }
    catch (const std::string& problem)
    {
        LogError(problem);
    }
}
} // namespace Orvex
