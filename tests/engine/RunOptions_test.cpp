#include <gtest/gtest.h>

#include "engine/RunOptions.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
std::string ProblemOf(const std::vector<std::string>& arguments)
{
    return ErrorOf([&] { ParseRunOptions(arguments, "IntroGS"); });
}

TEST(RunOptions, NoArgumentsPlayTheGame)
{
    const RunOptions options = ParseRunOptions({}, "IntroGS");
    EXPECT_EQ(options.startState, "IntroGS");
    EXPECT_EQ(options.startLevel, "");
    EXPECT_EQ(options.quitAfterFrames, -1);
    EXPECT_EQ(options.screenshotFrame, -1);
    EXPECT_FALSE(options.help);
}

TEST(RunOptions, EveryOptionIsRead)
{
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
    EXPECT_TRUE(ParseRunOptions({"--help"}, "IntroGS").help);
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
        EXPECT_EQ(ProblemOf(arguments), problem) << arguments[0];
}

TEST(RunOptions, HelpNamesEveryOption)
{
    const std::string help = RunOptionsHelp("tumbowuffin");
    EXPECT_EQ(help.rfind("Usage: tumbowuffin [options]", 0), 0u);
    for (const char* option : {"--frames", "--screenshot", "--state", "--level", "--help"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}
} // namespace
} // namespace Orvex
