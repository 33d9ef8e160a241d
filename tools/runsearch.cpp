// Searches the keys of a run that reaches a level's goal, over the game's own
// deterministic simulation played headless at the fixed step, and writes them as
// a recorded run file.
//
//     run_search LEVEL OUT.run [--via X,Y[,R]]... [--from START.run] [--seed N] [--minutes M]
//
// The search is greedy with a look-ahead: at every decision it tries each move (a
// few keys held for a few steps), follows each for a while with no key held, and
// keeps the move whose look-ahead came closest along the route: the --via points
// in order (each passed within its radius R, 1.5 by default), then the goal.
// Every try runs in a forked copy of the process, so no try replays the level
// from its start; a try that writes an error line is never kept. --from plays a
// run's keys first and searches on from where it ends, so a long level is
// searched a stretch at a time (and the seed is its own).
// In the closing level the goal starts the ending: the run then waits for its
// last points to land and leaves on Space, as the closing words ask.
//
// Runs in the folder beside the data tree (it changes there on start).

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "data/RunFile.h"
#include "game/components/EndingTrigger.h"
#include "game/components/LoadLevelOnCollision.h"
#include "game/runs/LevelRunner.h"
#include "game/runs/RunTape.h"
#include "game/states/Gameplay.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace
{
using namespace Orvex;

struct Move
{
    std::uint8_t keys;
    int steps;
};

// A point of the route, passed once the player comes within radius of it: a
// small radius makes the run touch something small, such as a switch.
struct Waypoint
{
    tvec2 at{0.0f};
    float radius = 1.5f;
};

struct Options
{
    std::string level;
    std::string out;
    std::vector<Waypoint> via;
    std::string from;
    std::uint64_t seed = 1;
    double minutes = 10.0; // of level time, at most
};

constexpr int lookAhead = 50;       // steps followed with no key after each move
constexpr int committed = 6;        // steps of the best move kept per decision
constexpr double lastWeight = 0.05; // of the progress where a try ends
constexpr int endingWait = 12 * 60; // steps: the camera's glide and every burst of points
constexpr double errorScore = -1e29; // below every try that wrote no error line

const std::vector<Move> moves = [] {
    std::vector<Move> all;
    for (int keys : {0, int(RunKeys::Left), int(RunKeys::Right)})
        for (int steps : {6, 14, 30})
            all.push_back({static_cast<std::uint8_t>(keys), steps});
    return all;
}();

// How far along the route: whole points for each point passed, minus the
// distance to the next; reaching the goal beats everything, sooner better.
struct Progress
{
    std::size_t next = 0; // route point aimed at
    double best = -1e30;

    double Score(const tvec2& position, const std::vector<Waypoint>& route)
    {
        while (next < route.size() && glm::length(position - route[next].at) < route[next].radius)
            ++next;
        const double distance = next < route.size() ? glm::length(position - route[next].at) : 0.0;
        return static_cast<double>(next) * 1000.0 - distance;
    }
};

tvec2 PlayerPosition(const LevelRunner& runner)
{
    const Entity* player = runner.Player();
    return player ? player->Get<Transform>()->position : tvec2(0.0f);
}

// The goal's position: the entity that ends the level or starts the ending.
tvec2 GoalPosition(const LevelRunner& runner)
{
    for (const auto& entry : runner.Play()->Entities())
        if (entry.second->Get<LoadLevelOnCollision>() || entry.second->Get<EndingTrigger>())
            return entry.second->Get<Transform>()->position;
    throw std::string("The level has no goal (no LoadLevelOnCollision or EndingTrigger).");
}

bool EndingStarted(const LevelRunner& runner)
{
    for (const auto& entry : runner.Play()->Entities())
        if (const EndingTrigger* trigger = entry.second->Get<EndingTrigger>())
            if (trigger->done)
                return true;
    return false;
}

// The level ended, or the closing level's ending began.
bool GoalReached(const LevelRunner& runner)
{
    return runner.LevelEnded() || EndingStarted(runner);
}

// Waits with no key held, then presses Space once, which leaves the ending; the
// run is copied before that step ends the play state that holds it.
RecordedRun LeaveTheEnding(LevelRunner& runner)
{
    for (int i = 0; i < endingWait; ++i)
    {
        runner.Run().keys.push_back(0);
        runner.Step();
    }
    runner.Run().keys.push_back(RunKeys::Space);
    RecordedRun run = runner.Run();
    runner.Step();
    return run;
}

// Standard output from here on goes to a scratch file, or stays where it was
// (null) when none can be made.
FILE* CaptureOutput()
{
    std::fflush(stdout);
    FILE* scratch = std::tmpfile();
    if (scratch)
        dup2(fileno(scratch), STDOUT_FILENO);
    return scratch;
}

// Whether the captured output holds "ERROR" anywhere, as the LevelRun tests look.
bool WroteError(FILE* captured)
{
    if (!captured)
        return false;
    std::fflush(stdout);
    std::rewind(captured);
    char line[512];
    while (std::fgets(line, sizeof line, captured))
        if (std::strstr(line, "ERROR"))
            return true;
    return false;
}

// Plays the move and the look-ahead in a forked copy; returns its best score,
// or errorScore when the try wrote an error line: a run that reaches the goal
// through skipped collisions proves nothing.
double TryMove(LevelRunner& runner, const Move& move, Progress progress,
               const std::vector<Waypoint>& route)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::string("pipe failed");
    const pid_t child = fork();
    if (child == 0)
    {
        close(pipeEnds[0]);
        FILE* output = CaptureOutput();
        double best = -1e30;
        double last = 0.0;
        for (int i = 0; i < move.steps + lookAhead; ++i)
        {
            runner.Run().keys.push_back(i < move.steps ? move.keys : 0);
            runner.Step();
            if (GoalReached(runner))
            {
                best = 1e12 - static_cast<double>(runner.Steps());
                last = 0.0;
                break;
            }
            last = progress.Score(PlayerPosition(runner), route);
            best = std::max(best, last);
        }
        // Where the try ends breaks ties: when every move first leads away, the
        // best of each is where it started, and the one that turns back wins.
        best += lastWeight * last;
        if (WroteError(output))
            best = errorScore;
        const ssize_t written = write(pipeEnds[1], &best, sizeof best);
        _exit(written == sizeof best ? 0 : 1);
    }
    close(pipeEnds[1]);
    double best = -1e30;
    if (read(pipeEnds[0], &best, sizeof best) != sizeof best)
        best = -1e30;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return best;
}

Options ParseOptions(int argc, char** argv)
{
    if (argc < 3)
        throw std::string("usage: run_search LEVEL OUT.run [--via X,Y[,R]]... [--from START.run] [--seed N] [--minutes M]");
    Options options;
    options.level = argv[1];
    options.out = std::filesystem::absolute(argv[2]).string();
    for (int i = 3; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--via")
        {
            Waypoint point;
            if (std::sscanf(value.c_str(), "%f,%f,%f", &point.at.x, &point.at.y, &point.radius) < 2)
                throw "--via needs X,Y or X,Y,R, not " + value;
            options.via.push_back(point);
        }
        else if (option == "--from")
            options.from = std::filesystem::absolute(value).string();
        else if (option == "--seed")
            options.seed = std::stoull(value);
        else if (option == "--minutes")
            options.minutes = std::stod(value);
        else
            throw "unknown option " + option;
    }
    return options;
}

int Search(const Options& options)
{
    // Every step plays the key pushed last before it: the first loads the level.
    RecordedRun start{options.level, options.seed, {0}};
    if (!options.from.empty())
    {
        start = ReadRun(options.from);
        if (start.level != options.level)
            throw options.from + " is a run of " + start.level + ", not of " + options.level;
    }
    LevelRunner runner(start);
    for (std::size_t i = 0; i < start.keys.size(); ++i)
        runner.Step();
    std::vector<Waypoint> route = options.via;
    route.push_back({GoalPosition(runner)});
    Progress progress;
    const auto limit = static_cast<std::size_t>(options.minutes * 60.0 * 60.0);
    while (!GoalReached(runner) && runner.Steps() < limit)
    {
        Move chosen = moves.front();
        double best = -1e31;
        for (const Move& move : moves)
        {
            const double score = TryMove(runner, move, progress, route);
            if (score > best)
            {
                best = score;
                chosen = move;
            }
        }
        for (int i = 0; i < std::min(committed, chosen.steps) && !GoalReached(runner); ++i)
        {
            runner.Run().keys.push_back(chosen.keys);
            runner.Step();
            progress.Score(PlayerPosition(runner), route);
        }
        if (runner.Steps() % 600 < committed)
        {
            const tvec2 at = PlayerPosition(runner);
            std::fprintf(stderr, "%6zu steps: at %.1f, %.1f, heading for point %zu of %zu\n",
                         runner.Steps(), at.x, at.y, progress.next + 1, route.size());
        }
    }
    const bool reached = GoalReached(runner);
    const std::size_t steps = runner.Steps();
    WriteRun(options.out, reached && !runner.LevelEnded() ? LeaveTheEnding(runner) : runner.Run());
    std::fprintf(stderr, "%s after %zu steps (%.1f s); written to %s\n",
                 reached ? "Goal reached" : "No goal", steps, static_cast<double>(steps) / 60.0,
                 options.out.c_str());
    return reached ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    try
    {
        const Options options = ParseOptions(argc, argv);
        RunBesideTheDataTree();
        return Search(options);
    }
    catch (const std::string& problem)
    {
        std::fprintf(stderr, "run_search: %s\n", problem.c_str());
        return 2;
    }
}
