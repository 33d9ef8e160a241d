// The autopilot soak: RoboWuffin plays each level of the chain in turn, in the
// real game loop with its window (soak/Soak.h tells the course).
//
//     soak [--seconds S] [--rounds N] [--sample S]
//
// S seconds a level (default 600), N rounds of the chain (default 2), a "sample"
// line every S seconds (default 30). Errors of the game come out as its usual
// "ERROR" lines, blocks never freed as the pools' report at exit; a level that
// starts with other blocks in use than in round 1 ends the soak with exit code 3.
//
// Runs in the folder beside the data tree (it changes there on start).

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "engine/Engine.h"
#include "engine/ProcessEntry.h"
#include "soak/Soak.h"

namespace
{
using namespace Orvex;

constexpr int ExitBadOptions = 2;
constexpr int ExitLevelLeftBlocks = 3;

Soak::Options options;
std::unique_ptr<Soak> soak;

void Start(IGamestate&, const RunOptions&)
{
    // A player's pace, not as fast as software rendering goes.
    Engine::Get()->SetFrameLimiter(true);
    soak = std::make_unique<Soak>(options, std::cout);
}

void AfterFrame(Engine& engine) { soak->AfterFrame(engine); }

double Number(const std::string& option, const char* text)
{
    std::size_t used = 0;
    double value = 0.0;
    try
    {
        value = std::stod(text, &used);
    }
    catch (const std::exception&)
    {
    }
    if (used == 0 || text[used] != '\0' || !(value > 0.0))
        throw option + " needs a number above 0, not \"" + text + "\"";
    return value;
}

Soak::Options ParseOptions(int argc, char** argv)
{
    Soak::Options parsed;
    for (int i = 1; i < argc; i += 2)
    {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            throw option + " needs a value";
        const double value = Number(option, argv[i + 1]);
        if (option == "--seconds")
            parsed.seconds = value;
        else if (option == "--rounds")
            parsed.rounds = static_cast<int>(value);
        else if (option == "--sample")
            parsed.sample = value;
        else
            throw "unknown option \"" + option + "\"";
    }
    return parsed;
}
} // namespace

int main(int argc, char** argv)
{
    try
    {
        options = ParseOptions(argc, argv);
    }
    catch (const std::string& problem)
    {
        std::fprintf(stderr, "soak: %s\nusage: soak [--seconds S] [--rounds N] [--sample S]\n",
                     problem.c_str());
        return ExitBadOptions;
    }
    // A frame count marks an automated run: an error ends it with no message box
    // to wait on. The soak itself decides when it ends.
    char frames[] = "--frames", never[] = "999999999999";
    char* game[] = {argv[0], frames, never, nullptr};
    const int code = RunProcess(3, game, "Gameplay", Start, AfterFrame);
    if (code != 0)
        return code;
    soak->Finish();
    return soak->Failed() ? ExitLevelLeftBlocks : 0;
}
