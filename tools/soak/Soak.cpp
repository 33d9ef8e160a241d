#include "soak/Soak.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "game/components/RoboWuffin.h"
#include "game/states/Gameplay.h"
#include "graphics/Mesh.h"
#include "graphics/Textures.h"
#include "memory/MemoryManager.h"
#include "messaging/Input.h"
#include "object/Entity.h"

namespace Orvex
{
namespace
{
double Since(std::chrono::steady_clock::time_point when)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - when).count();
}

// A "VmRSS" or "VmHWM" figure of /proc/self/status, in kB.
long StatusKilobytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, key.size() + 1, key + ":") == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

std::vector<unsigned> BlocksInUse()
{
    std::vector<unsigned> counts;
    for (unsigned i = 0; i < MemoryManager::PoolCount; ++i)
        counts.push_back(MemoryManager::Get().Pool(i).Stats().inUse);
    return counts;
}

// The blocks in use less those the texture and mesh caches keep.
std::vector<unsigned> LevelBlocks()
{
    std::vector<unsigned> counts = BlocksInUse();
    counts[MemoryManager::SizeClass(sizeof(cTexture))] -=
        static_cast<unsigned>(CachedTextureCount());
    counts[MemoryManager::SizeClass(sizeof(cMesh))] -= static_cast<unsigned>(LoadedMeshCount());
    return counts;
}

std::string Listed(const std::vector<unsigned>& counts)
{
    std::string text;
    unsigned total = 0;
    for (unsigned i = 0; i < counts.size(); ++i)
    {
        text += (i ? " " : "") + std::to_string(8u << i) + ":" + std::to_string(counts[i]);
        total += counts[i];
    }
    return text + " (" + std::to_string(total) + " in all)";
}

Gameplay* PlayState(Engine& engine)
{
    for (IGamestate* state : engine.Gamestates())
        if (auto* play = dynamic_cast<Gameplay*>(state))
            return play;
    return nullptr;
}

// The level's dog plays by itself; a level may give it the autopilot switched off.
void Autopilot(Gameplay& play)
{
    Entity* dog = play.FindEntity("TumboWuffin");
    if (!dog)
        return;
    RoboWuffin* robot = dog->Get<RoboWuffin>();
    if (!robot)
    {
        robot = dog->Add<RoboWuffin>();
        robot->Init();
    }
    robot->active = true;
}
} // namespace

Soak::Soak(const Options& options, std::ostream& out)
    : options(options), out(out), levelBegin(begin), lastSample(begin)
{
}

void Soak::Say(const std::string& what)
{
    char time[32];
    std::snprintf(time, sizeof time, "%7.1f", Since(begin));
    out << "soak " << time << " s: " << what << std::endl;
}

void Soak::Fail(const std::string& what)
{
    Say("ERROR: " + what);
    failed = true;
}

long Soak::Resident()
{
    const long resident = StatusKilobytes("VmRSS");
    mostResident = std::max(mostResident, resident);
    return resident;
}

void Soak::AfterFrame(Engine& engine)
{
    // A window without focus pauses the game, and under a bare X server nobody
    // gives it focus.
    engine.SetFlag(Engine::ACTIVE);
    ++frames;
    Gameplay* play = PlayState(engine);
    if (!play)
    {
        Fail("the play state is gone");
        engine.SetFlag(Engine::QUIT);
        return;
    }
    if (play->CurrentLevel() != level)
        LevelStarted(*play);
    Autopilot(*play);
    if (Since(lastSample) >= options.sample)
        Sample();
    // An ended level would hand over by itself after its EndTimer, and one that
    // leads back to the menu would pop the play state with it.
    if (!play->LevelRunning() || Since(levelBegin) >= options.seconds)
        NextLevel(engine, *play);
}

// The level's first frame: its blocks in use, against its first round's.
void Soak::LevelStarted(const Gameplay& play)
{
    level = play.CurrentLevel();
    if (firstLevel.empty())
        firstLevel = level;
    levelBegin = Clock::now();
    const std::vector<unsigned> counts = LevelBlocks();
    Say("start " + level + " round " + std::to_string(round) + ", resident " +
        std::to_string(Resident()) + " kB, pool blocks in use apart from the caches " +
        Listed(counts));
    const auto first = firstStart.emplace(level, counts);
    if (!first.second && first.first->second != counts)
        Fail(level + " started with other blocks in use than in round 1, " + Listed(first.first->second));
}

void Soak::Sample()
{
    lastSample = Clock::now();
    Say("sample " + level + " after " + std::to_string(frames) + " frames, resident " +
        std::to_string(Resident()) + " kB, pool blocks in use " + Listed(BlocksInUse()));
}

void Soak::NextLevel(Engine& engine, Gameplay& play)
{
    if (!play.RequestedLevel().empty())
        return; // asked for last frame, loading at the next one's start
    const LevelSettings* settings = LevelSettingsOf(play);
    std::string next = settings ? settings->nextLevel : "";
    if (next.empty() || next[0] == '0')
    {
        next = firstLevel;
        if (++round > options.rounds)
        {
            engine.SetFlag(Engine::QUIT);
            return;
        }
    }
    // The old autopilot goes with its level, and the keys it held with it.
    Input::Current() = Input::State();
    play.RequestLevel(next);
}

void Soak::Finish()
{
    const long end = Resident();
    Say("done: " + std::to_string(options.rounds) + " rounds in " + std::to_string(frames) +
        " frames; resident at the highest reading " + std::to_string(mostResident) +
        " kB, at the peak (VmHWM) " + std::to_string(StatusKilobytes("VmHWM")) + " kB, at the end " +
        std::to_string(end) + " kB; pool blocks in use " + Listed(BlocksInUse()));
}
} // namespace Orvex
