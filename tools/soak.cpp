// The autopilot soak: RoboWuffin plays each level of the chain in turn, in the
// real game loop with its window, while the process reports its resident memory
// and the pools' blocks in use.
//
//     soak [--seconds S] [--rounds N] [--sample S]
//
// Each level is played for S seconds of wall-clock time (default 600), from the
// forest along the next level each one names, back to the forest after the last;
// N rounds of the chain (default 2). A "sample" line every --sample seconds
// (default 30) gives the resident memory and the pools' blocks in use; a
// "start" line at every level's first frame gives the blocks in use apart from
// the texture and mesh caches (which fill as the levels first need them). A
// level must start with the same blocks in use in every round, or what an
// earlier level left behind is still alive: the soak then ends with exit code 3. Errors of the game come out
// as its usual "ERROR" lines, blocks never freed as the pools' report at exit.
//
// Runs in the folder beside the data tree (it changes there on start).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/ProcessEntry.h"
#include "game/components/RoboWuffin.h"
#include "graphics/Mesh.h"
#include "graphics/Textures.h"
#include "game/states/Gameplay.h"
#include "memory/MemoryManager.h"
#include "messaging/Input.h"
#include "object/Entity.h"

namespace
{
using namespace Orvex;
using Clock = std::chrono::steady_clock;

constexpr int ExitBadOptions = 2;
constexpr int ExitLevelLeftBlocks = 3;

struct Options
{
    double seconds = 600.0; // per level
    int rounds = 2;
    double sample = 30.0;
};

struct Soak
{
    Options options;
    Clock::time_point begin = Clock::now();
    Clock::time_point levelBegin;
    Clock::time_point lastSample;
    std::string level; // playing now; empty before the first frame
    int round = 1;
    long frames = 0;
    long mostResident = 0; // kB, the highest sample
    std::map<std::string, std::vector<unsigned>> firstStart; // LevelBlocks, by level
    bool failed = false;
};

Soak soak;

double Since(Clock::time_point when)
{
    return std::chrono::duration<double>(Clock::now() - when).count();
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
    counts[MemoryManager::SizeClass(sizeof(cTexture))] -= static_cast<unsigned>(CachedTextureCount());
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

void Say(const std::string& what)
{
    std::printf("soak %7.1f s: %s\n", Since(soak.begin), what.c_str());
    std::fflush(stdout);
}

Gameplay* PlayState(Engine& engine)
{
    for (IGamestate* state : engine.Gamestates())
        if (auto* play = dynamic_cast<Gameplay*>(state))
            return play;
    return nullptr;
}

// The level's first frame: its blocks in use, against its first round's.
void LevelStarted(const Gameplay& play)
{
    soak.level = play.CurrentLevel();
    soak.levelBegin = Clock::now();
    const std::vector<unsigned> counts = LevelBlocks();
    Say("start " + soak.level + " round " + std::to_string(soak.round) +
        ", pool blocks in use apart from the caches " + Listed(counts));
    const auto first = soak.firstStart.emplace(soak.level, counts);
    if (!first.second && first.first->second != counts)
    {
        Say("ERROR: " + soak.level + " started with other blocks in use than in round 1, " +
            Listed(first.first->second));
        soak.failed = true;
    }
}

// The player of every level is the autopilot's, switched on.
void Autopilot(Gameplay& play)
{
    Entity* dog = play.FindEntity("TumboWuffin");
    if (!dog || dog->Get<RoboWuffin>())
        return;
    RoboWuffin* robot = dog->Add<RoboWuffin>();
    robot->Init();
    robot->active = true;
}

void NextLevel(Engine& engine, Gameplay& play)
{
    const LevelSettings* settings = LevelSettingsOf(play);
    std::string next = settings ? settings->nextLevel : "";
    if (next.empty() || next[0] == '0')
    {
        next = Gameplay::firstLevel;
        if (++soak.round > soak.options.rounds)
        {
            engine.SetFlag(Engine::QUIT);
            return;
        }
    }
    // The old autopilot goes with its level, and the keys it held with it.
    Input::Current() = Input::State();
    play.RequestLevel(next);
}

void AfterFrame(Engine& engine)
{
    // A window without focus pauses the game, and under a bare X server nobody
    // gives it focus.
    engine.SetFlag(Engine::ACTIVE);
    ++soak.frames;
    Gameplay* play = PlayState(engine);
    if (!play)
    {
        Say("ERROR: the play state is gone");
        soak.failed = true;
        engine.SetFlag(Engine::QUIT);
        return;
    }
    if (play->CurrentLevel() != soak.level)
        LevelStarted(*play);
    Autopilot(*play);
    if (Since(soak.lastSample) >= soak.options.sample)
    {
        soak.lastSample = Clock::now();
        const long resident = StatusKilobytes("VmRSS");
        soak.mostResident = std::max(soak.mostResident, resident);
        Say("sample " + soak.level + " after " + std::to_string(soak.frames) + " frames, resident " +
            std::to_string(resident) + " kB, pool blocks in use " + Listed(BlocksInUse()));
    }
    if (Since(soak.levelBegin) >= soak.options.seconds)
        NextLevel(engine, *play);
}

void Start(IGamestate&, const RunOptions&)
{
    // A player's pace, not as fast as software rendering goes.
    Engine::Get()->SetFrameLimiter(true);
    soak.begin = soak.lastSample = Clock::now();
}

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

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; i += 2)
    {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            throw option + " needs a value";
        const double value = Number(option, argv[i + 1]);
        if (option == "--seconds")
            options.seconds = value;
        else if (option == "--rounds")
            options.rounds = static_cast<int>(value);
        else if (option == "--sample")
            options.sample = value;
        else
            throw "unknown option \"" + option + "\"";
    }
    return options;
}
} // namespace

int main(int argc, char** argv)
{
    try
    {
        soak.options = ParseOptions(argc, argv);
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
    Say("done: " + std::to_string(soak.options.rounds) + " rounds in " + std::to_string(soak.frames) +
        " frames; resident at the highest sample " + std::to_string(soak.mostResident) +
        " kB, at the peak (VmHWM) " + std::to_string(StatusKilobytes("VmHWM")) + " kB, at the end " +
        std::to_string(StatusKilobytes("VmRSS")) + " kB; pool blocks in use " + Listed(BlocksInUse()));
    return soak.failed ? ExitLevelLeftBlocks : 0;
}
