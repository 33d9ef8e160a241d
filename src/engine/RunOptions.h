#pragma once
// Command-line options of the game executables. All default off: a plain start
// plays the game.

#include <string>
#include <vector>

namespace Orvex
{
struct RunOptions
{
    std::string startState;      // registered game state pushed first
    std::string startLevel;      // level that state starts with (play states)
    long quitAfterFrames = -1;   // end the run after this many frames
    long screenshotFrame = -1;   // write the picture of this frame ...
    std::string screenshotPath;  // ... to this PNG file
    std::string replayPath;      // recorded run played in the start state
    std::string recordPath;      // file the start level's keys are recorded into
    bool help = false;
    bool version = false;
};

// Throws std::string with a message naming the bad option.
RunOptions ParseRunOptions(const std::vector<std::string>& arguments, const std::string& defaultState);
std::string RunOptionsHelp(const std::string& program);
// "TumboWuffin " and the version, with a line end.
std::string VersionText();
} // namespace Orvex
