#include "data/GhostFile.h"

#include <cmath>
#include <locale>
#include <sstream>

#include "data/ReplaceFile.h"
#include "data/RunFile.h"
#include "data/SettingsFile.h"
#include "data/TextLines.h"

namespace Orvex
{
namespace
{
const std::string magic = "TumboWuffinGhost";

class GhostParser
{
public:
    GhostParser(const std::string& text, const std::string& fileName) : lines(text, fileName) {}

    GhostTrack Parse()
    {
        GhostTrack track;
        const std::string current = magic + " " + std::to_string(GhostTrack::formatVersion);
        if (HeaderLine("its first line, \"" + current + "\"") != current)
            Fail("not a ghost file: the first line is not \"" + current + "\"");
        const std::string level = HeaderLine("the level (\"Level=<level name>\")");
        if (level.compare(0, 6, "Level=") != 0 || level.size() == 6 || HasControl(level))
            Fail("expected the level, \"Level=<level name>\", not " + QuotedLine(level));
        track.level = level.substr(6);
        std::string line;
        while (lines.Next(line))
            if (!line.empty())
                track.poses.push_back(Pose(line, track.poses.size()));
        return track;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { lines.Fail(what); }
    std::string HeaderLine(const std::string& expected) { return lines.Header(expected); }

    GhostPose Pose(const std::string& line, std::size_t held) const
    {
        if (held >= RecordedRun::maxSteps)
            Fail("the ghost is longer than an hour at 60 steps a second (" +
                 std::to_string(RecordedRun::maxSteps) + " poses)");
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        GhostPose pose;
        fields >> pose.texture >> pose.position.x >> pose.position.y >> pose.rotation >>
            pose.scale.x >> pose.scale.y;
        const float values[] = {pose.position.x, pose.position.y, pose.rotation, pose.scale.x,
                                pose.scale.y};
        bool finite = true;
        for (float value : values)
            finite = finite && std::isfinite(value);
        if (!fields || !(fields >> std::ws).eof() || !finite || HasControl(pose.texture))
            Fail("expected a pose, \"<texture> <x> <y> <rotation> <scale x> <scale y>\", not " +
                 QuotedLine(line));
        return pose;
    }

    TextLines lines;
};
} // namespace

GhostTrack ParseGhost(const std::string& text, const std::string& fileName)
{
    return GhostParser(text, fileName).Parse();
}

GhostTrack ReadGhost(const std::string& path)
{
    return ParseGhost(ReadTextFile(path, "ghost file"), path);
}

std::string GhostText(const GhostTrack& track)
{
    std::string text = magic + " " + std::to_string(GhostTrack::formatVersion) + "\nLevel=" +
                       track.level + "\n";
    for (const GhostPose& pose : track.poses)
        text += (pose.texture.empty() ? "Default" : pose.texture) + " " +
                ExactFloat(pose.position.x) + " " + ExactFloat(pose.position.y) + " " +
                ExactFloat(pose.rotation) + " " + ExactFloat(pose.scale.x) + " " +
                ExactFloat(pose.scale.y) + "\n";
    return text;
}

void WriteGhost(const std::string& path, const GhostTrack& track)
{
    ReplaceFile(path, GhostText(track), "ghost file");
}
} // namespace Orvex
