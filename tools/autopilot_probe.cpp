// Plays levels headless with RoboWuffin at the wheel, seed after seed at the
// fixed step, and lists every ERROR line the game writes with the level, seed
// and step it came in: the soak's check on error lines, but quick and
// repeatable, so a line it finds can be replayed and looked at.
//
//     autopilot_probe [--seeds N | --seed K] [--steps S] LEVEL...
//
// Seeds 1 to N (default 30), or seed K alone to replay one a line names; S
// fixed steps each (default 3600), or until the level ends. Under each error
// line: where the dog was and the colliders it still crosses in more than two
// points. The last line counts the error lines; the exit code is 1 when there
// were any.
//
// Runs in the folder beside the data tree (it changes there on start).

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/RunFile.h"
#include "game/components/RoboWuffin.h"
#include "game/runs/LevelRunner.h"
#include "game/runs/RunTape.h"
#include "game/states/Gameplay.h"
#include "object/Entity.h"
#include "physics/BaseCollider.h"
#include "physics/ContactRecord.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace
{
using namespace Orvex;

struct Options
{
    int firstSeed = 1; // the seeds played, both included
    int lastSeed = 30;
    long steps = 3600;
    std::vector<std::string> levels;
};

// Standard output goes to a scratch file, read back after every step.
class OutputWatch
{
public:
    OutputWatch()
    {
        char name[] = "/tmp/autopilot_probe_XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0)
            throw std::string("cannot make a scratch file in /tmp");
        unlink(name);
        std::fflush(stdout);
        dup2(fd, STDOUT_FILENO);
        close(fd);
    }

    // The ERROR lines written since the last call.
    std::vector<std::string> NewErrors()
    {
        std::fflush(stdout);
        std::vector<std::string> errors;
        char buffer[4096];
        ssize_t got;
        while ((got = pread(STDOUT_FILENO, buffer, sizeof buffer, offset)) > 0)
        {
            offset += got;
            pending.append(buffer, static_cast<std::size_t>(got));
        }
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos)
        {
            if (pending.compare(0, 6, "ERROR:") == 0)
                errors.push_back(pending.substr(0, end));
            pending.erase(0, end + 1);
        }
        return errors;
    }

    // Forgets what was written so far.
    void Skip()
    {
        std::fflush(stdout);
        offset = lseek(STDOUT_FILENO, 0, SEEK_END);
        pending.clear();
    }

private:
    off_t offset = 0;
    std::string pending;
};

// The dog's place and speed, and every solid collider its outline crosses in
// other than two points after the step: the pairs the collision pass skipped
// (unless something moved since).
std::string Suspects(const LevelRunner& runner)
{
    const Entity* dog = runner.Player();
    if (!dog || !dog->collider)
        return "";
    const Transform* transform = dog->Get<Transform>();
    const RigidBody* body = dog->Get<RigidBody>();
    char line[256];
    std::snprintf(line, sizeof line, "    the dog at %.2f, %.2f, moving %.2f, %.2f, lean %.2f\n",
                  transform->position.x, transform->position.y, body->velocity.x, body->velocity.y,
                  transform->rotation);
    std::string text = line;
    for (const auto& entry : runner.Play()->Entities())
    {
        const Entity& other = *entry.second;
        if (&other == dog || !other.collider || other.collider->ghost)
            continue;
        ContactRecord record;
        FindContact(*dog, other, record);
        if (record.crossingCount < 3 && !record.overflow)
            continue;
        const tvec2 at = other.Get<Transform>()->position;
        std::snprintf(line, sizeof line, "    crosses %s (at %.2f, %.2f) in %d points, %d of its vertices inside\n",
                      other.name.c_str(), at.x, at.y, record.crossingCount, record.countA);
        text += line;
    }
    return text;
}

// The error lines of one seed's play, each reported as it comes.
int PlayOneSeed(const Options& options, const std::string& level, int seed, OutputWatch& watch)
{
    LevelRunner runner(RecordedRun{level, static_cast<std::uint64_t>(seed), {}});
    runner.Step(); // loads the level and seeds the random source
    runner.Tape().Stop();
    Entity* dog = runner.Player();
    if (!dog)
        throw level + " has no TumboWuffin";
    RoboWuffin* robot = dog->Get<RoboWuffin>();
    if (!robot)
    {
        robot = dog->Add<RoboWuffin>();
        robot->Init();
    }
    robot->active = true;
    int count = 0;
    for (long step = 1; step < options.steps && !runner.LevelEnded(); ++step)
    {
        runner.Step();
        for (const std::string& error : watch.NewErrors())
        {
            std::fprintf(stderr, "%s seed %d step %ld: %s\n%s", level.c_str(), seed, step + 1, error.c_str(),
                         Suspects(runner).c_str());
            ++count;
        }
    }
    watch.NewErrors(); // what the shutdown writes is not play
    return count;
}

// Each seed plays in a forked copy of the process as it was before the first,
// so what an earlier play left behind (pools, caches, ids) cannot change it:
// a seed's figures are the same whatever ran before it.
int InFreshProcess(const Options& options, const std::string& level, int seed, OutputWatch& watch)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0)
        throw std::string("fork failed");
    if (child == 0)
    {
        int count = 2;
        try
        {
            count = std::min(PlayOneSeed(options, level, seed, watch), 100);
        }
        catch (const std::string& problem)
        {
            std::fprintf(stderr, "autopilot_probe: %s\n", problem.c_str());
            count = 101;
        }
        std::fflush(nullptr);
        _exit(count);
    }
    int status = 0;
    waitpid(child, &status, 0);
    watch.Skip();
    const int count = WIFEXITED(status) ? WEXITSTATUS(status) : 101;
    if (count > 100)
        throw level + ", seed " + std::to_string(seed) + ": the play failed";
    return count;
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if ((argument == "--seeds" || argument == "--seed" || argument == "--steps") && i + 1 < argc)
        {
            const long value = std::atol(argv[++i]);
            if (value <= 0)
                throw argument + " needs a whole number above 0, not \"" + argv[i] + "\"";
            if (argument == "--seeds")
                options.lastSeed = static_cast<int>(value);
            else if (argument == "--seed")
                options.firstSeed = options.lastSeed = static_cast<int>(value);
            else
                options.steps = value;
        }
        else if (argument.compare(0, 2, "--") == 0)
            throw "unknown option " + argument;
        else
            options.levels.push_back(argument);
    }
    if (options.levels.empty())
        throw std::string("usage: autopilot_probe [--seeds N | --seed K] [--steps S] LEVEL...");
    return options;
}
} // namespace

int main(int argc, char** argv)
{
    try
    {
        const Options options = ParseOptions(argc, argv);
        RunBesideTheDataTree();
        OutputWatch watch;
        int total = 0;
        for (const std::string& level : options.levels)
        {
            int inLevel = 0;
            for (int seed = options.firstSeed; seed <= options.lastSeed; ++seed)
                inLevel += InFreshProcess(options, level, seed, watch);
            std::fprintf(stderr, "%s: %d error lines in %d seeds of %ld steps\n", level.c_str(), inLevel,
                         options.lastSeed - options.firstSeed + 1, options.steps);
            total += inLevel;
        }
        std::fprintf(stderr, "%d error lines in all\n", total);
        return total == 0 ? 0 : 1;
    }
    catch (const std::string& problem)
    {
        std::fprintf(stderr, "autopilot_probe: %s\n", problem.c_str());
        return 2;
    }
}
