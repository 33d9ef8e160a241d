#include "engine/RunOptions.h"

namespace Orvex
{
namespace
{
long ParseCount(const std::string& option, const std::string& text)
{
    std::size_t used = 0;
    long value = -1;
    try
    {
        value = std::stol(text, &used, 10);
    }
    catch (const std::exception&)
    {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < 1)
        throw option + " needs a whole number of frames above 0, not \"" + text + "\"";
    return value;
}

// The next argument after option, which needs one (or more).
const std::string& ValueOf(const std::string& option, const std::vector<std::string>& arguments,
                           std::size_t& i)
{
    if (i + 1 >= arguments.size())
        throw option + " needs a value";
    return arguments[++i];
}
} // namespace

RunOptions ParseRunOptions(const std::vector<std::string>& arguments, const std::string& defaultState)
{
    RunOptions options;
    options.startState = defaultState;
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h")
            options.help = true;
        else if (option == "--version")
            options.version = true;
        else if (option == "--frames")
            options.quitAfterFrames = ParseCount(option, ValueOf(option, arguments, i));
        else if (option == "--screenshot")
        {
            options.screenshotFrame = ParseCount(option, ValueOf(option, arguments, i));
            options.screenshotPath = ValueOf(option, arguments, i);
        }
        else if (option == "--state")
            options.startState = ValueOf(option, arguments, i);
        else if (option == "--level")
            options.startLevel = ValueOf(option, arguments, i);
        else if (option == "--replay")
            options.replayPath = ValueOf(option, arguments, i);
        else if (option == "--record")
            options.recordPath = ValueOf(option, arguments, i);
        else
            throw "unknown option \"" + option + "\"";
    }
    if (!options.replayPath.empty() && !options.recordPath.empty())
        throw std::string("--replay and --record cannot be used together");
    return options;
}

std::string RunOptionsHelp(const std::string& program)
{
    return "Usage: " + program + " [options]\n"
           "  --frames N             quit after N frames (automated runs: errors go to\n"
           "                         standard error only, no message box)\n"
           "  --screenshot N FILE    write the picture of frame N to the PNG file FILE\n"
           "  --state NAME           start with the game state NAME instead of the intro\n"
           "  --level NAME           the level that state starts with (play states)\n"
           "  --replay FILE          play the recorded run FILE at the fixed step (in a\n"
           "                         play state: --state Gameplay)\n"
           "  --record FILE          record the keys held at each fixed step of the start\n"
           "                         level into FILE when it ends (in a play state)\n"
           "  --version              print the version and exit\n"
           "  --help                 print this text and exit\n";
}

std::string VersionText() { return std::string("TumboWuffin ") + ORVEX_VERSION + "\n"; }
} // namespace Orvex
