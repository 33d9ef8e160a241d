#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "TestEngine.h"
#include "engine/DataFolder.h"
#include "engine/ProcessEntry.h"
#include "engine/RunOptions.h"
#include "support/ErrorOf.h"

namespace Orvex::Testing
{
// States whose construction fails the way library code and odd code fail.
class LibraryFailureState : public TraceState
{
    ORVEX_GAMESTATE(LibraryFailureState)
    LibraryFailureState() { throw std::length_error("vector grew past its limit"); }
};
class OddFailureState : public TraceState
{
    ORVEX_GAMESTATE(OddFailureState)
    OddFailureState() { throw 42; }
};
// Starts with a level of its own, as the play states do, and tells it at its end.
class OwnLevelState : public TraceState
{
    ORVEX_GAMESTATE(OwnLevelState)
    OwnLevelState() { currentLevel = "own"; }
    ~OwnLevelState() override { Note("level " + CurrentLevel()); }
};
ORVEX_REGISTER_GAMESTATE(OwnLevelState)
ORVEX_REGISTER_GAMESTATE(LibraryFailureState)
ORVEX_REGISTER_GAMESTATE(OddFailureState)

namespace
{
struct Outcome
{
    int code;
    std::string out;
    std::string err;
};

Outcome RunWith(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "./orvex_engine_tests");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int code = RunProcess(static_cast<int>(argv.size()), argv.data(), "IntroGS");
    const std::string out = testing::internal::GetCapturedStdout();
    return {code, out, testing::internal::GetCapturedStderr()};
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(RunOptions, NoArgumentsPlayTheGameAndEveryOptionIsRead)
{
    const RunOptions none = ParseRunOptions({}, "IntroGS");
    EXPECT_EQ(none.startState, "IntroGS");
    EXPECT_EQ(none.startLevel, "");
    EXPECT_EQ(none.quitAfterFrames, -1);
    EXPECT_EQ(none.screenshotFrame, -1);
    EXPECT_FALSE(none.help);
    const RunOptions options = ParseRunOptions(
        {"--frames", "120", "--screenshot", "30", "shot.png", "--state", "Gameplay", "--level",
         "Level2Bounce", "--replay", "runs/Level2Bounce.run"},
        "IntroGS");
    EXPECT_EQ(options.quitAfterFrames, 120);
    EXPECT_EQ(options.screenshotFrame, 30);
    EXPECT_EQ(options.screenshotPath, "shot.png");
    EXPECT_EQ(options.startState, "Gameplay");
    EXPECT_EQ(options.startLevel, "Level2Bounce");
    EXPECT_EQ(options.replayPath, "runs/Level2Bounce.run");
    EXPECT_EQ(ParseRunOptions({"--record", "mine.run"}, "IntroGS").recordPath, "mine.run");
    EXPECT_TRUE(ParseRunOptions({"-h"}, "IntroGS").help);
}

TEST(RunOptions, BadOptionsAreNamed)
{
    const std::string frames = "--frames needs a whole number of frames above 0, not ";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--fast"}, "unknown option \"--fast\""},
        {{"--frames"}, "--frames needs a value"},
        {{"--screenshot", "3"}, "--screenshot needs a value"},
        {{"--state"}, "--state needs a value"},
        {{"--replay"}, "--replay needs a value"},
        {{"--replay", "a.run", "--record", "b.run"}, "--replay and --record cannot be used together"},
        {{"--frames", "0"}, frames + "\"0\""},
        {{"--frames", "12x"}, frames + "\"12x\""},
        {{"--frames", "-4"}, frames + "\"-4\""},
        {{"--frames", "99999999999999999999999"}, frames + "\"99999999999999999999999\""},
    };
    for (const auto& [arguments, problem] : cases)
    {
        const auto parse = [&arguments = arguments] { ParseRunOptions(arguments, "IntroGS"); };
        EXPECT_EQ(ErrorOf(parse), problem) << arguments[0];
    }
}

TEST(ProcessEntry, BadOptionsExitWithTwoAndTheUsage)
{
    const Outcome outcome = RunWith({"--frames", "soon"});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_TRUE(Contains(outcome.err, "--frames needs a whole number")) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, "Usage: ")) << outcome.err;
    EXPECT_EQ(Engine::Get(), nullptr);
}

TEST(ProcessEntry, HelpNamesEveryOptionAndHelpAndVersionExitWithZero)
{
    Outcome outcome = RunWith({"--help"});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out.rfind("Usage: ./orvex_engine_tests [options]", 0), 0u) << outcome.out;
    for (const char* option :
         {"--frames", "--screenshot", "--state", "--level", "--help", "--version"})
        EXPECT_TRUE(Contains(outcome.out, option)) << option;
    outcome = RunWith({"--version"});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out, VersionText());
    EXPECT_TRUE(Contains(outcome.out, "TumboWuffin 0.")) << outcome.out;
}

TEST(ProcessEntry, TheStartStateKeepsItsOwnLevelUnlessOneIsNamed)
{
    for (const auto& [arguments, level] :
         {std::pair<std::vector<std::string>, std::string>{{}, "own"}, {{"--level", "named"}, "named"}})
    {
        Trace().clear();
        std::vector<std::string> all{"--state", "OwnLevelState", "--frames", "1"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        RunWith(all);
        EXPECT_NE(std::find(Trace().begin(), Trace().end(), "level " + level), Trace().end()) << level;
    }
}

TEST(DataFolder, BesideTheExecutableFirstThenInTheInstalledPlace)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("data-folder-" + std::to_string(getpid()));
    const fs::path bin = root / "bin", share = root / "share/tumbowuffin";
    fs::create_directories(bin);
    EXPECT_EQ(FindDataFolder(bin.string(), "../share/tumbowuffin"), bin.string());
    fs::create_directories(share / "config");
    std::ofstream(share / "config/core_config.ini") << "[Debug]\n";
    EXPECT_EQ(FindDataFolder(bin.string(), "../share/tumbowuffin"), share.string());
    fs::create_directories(bin / "config");
    std::ofstream(bin / "config/core_config.ini") << "[Debug]\n";
    EXPECT_EQ(FindDataFolder(bin.string(), "../share/tumbowuffin"), bin.string());
    fs::remove_all(root);
}

// Errors of every type a start state may raise end the run with code 1, the
// text and nothing left allocated.
TEST(ProcessEntry, AnErrorOfAnyTypeEndsTheRunWithItsTextAndCleansUp)
{
    const std::pair<const char*, const char*> cases[] = {
        {"NoSuchGS", "The start game state \"NoSuchGS\" does not exist."},
        {"LibraryFailureState", "vector grew past its limit"},
        {"OddFailureState", "an error of unknown type"},
    };
    for (const auto& [state, text] : cases)
    {
        const unsigned before = BlocksInUse();
        const Outcome outcome = RunWith({"--state", state, "--frames", "1"});
        EXPECT_EQ(outcome.code, 1) << state;
        EXPECT_TRUE(Contains(outcome.err, std::string("Unhandled Exception: ") + text)) << outcome.err;
        EXPECT_EQ(Engine::Get(), nullptr);
        EXPECT_EQ(BlocksInUse(), before) << state;
    }
}
} // namespace
} // namespace Orvex::Testing
