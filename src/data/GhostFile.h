#pragma once
// The ghost of a recorded run: where the dog was and how it looked after every
// fixed 60 Hz step of the level, kept beside the run, so that a later play of the
// level can show it without playing the run again.
//
// The file is text, a two-line header and one pose a line:
//
//     TumboWuffinGhost 1
//     Level=Level1Forest
//     wuffinImpact_1 0.5 1.25 0 1.2 1.6
//
// Each pose line holds the sprite's texture, the position x and y, the rotation
// (radians) and the scale x and y.

#include <string>
#include <vector>

#include "engine/Math.h"

namespace Orvex
{
struct GhostPose
{
    std::string texture;
    tvec2 position{0.0f};
    float rotation = 0.0f;
    tvec2 scale{1.0f};
};

struct GhostTrack
{
    static constexpr int formatVersion = 1;

    std::string level;
    std::vector<GhostPose> poses; // after each step, first step first
};

// Errors are thrown as std::string "<fileName>:<line>: <what is wrong>".
GhostTrack ParseGhost(const std::string& text, const std::string& fileName);
// Throws "Could not open the ghost file: " + path when it cannot be read.
GhostTrack ReadGhost(const std::string& path);
std::string GhostText(const GhostTrack& track);
// Through a temporary file: a failed write leaves the old file as it was.
void WriteGhost(const std::string& path, const GhostTrack& track);
} // namespace Orvex
