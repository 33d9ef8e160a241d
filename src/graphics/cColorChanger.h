#pragma once
// A colour change per second, red, green, blue and alpha. Its own plain value
// type (written and read like a 4-vector) so that the editor can offer it as a
// rate rather than as a colour to pick.

#include "engine/Math.h"
#include "object/PodTraits.h"

namespace Orvex
{
struct cColorChanger
{
    float r = 0.0f; // change per second of each component, any sign
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;

    tvec4 PerSecond() const { return {r, g, b, a}; }
};

// "r,g,b,a" like a tvec4.
template <> struct PodTraits<cColorChanger> : PodTraitsByAssignment<cColorChanger>
{
    static void Serialize(const std::string& key, const cColorChanger& value);
    static void Deserialize(const std::string& key, cColorChanger& value, const Deserializer& object);
};
} // namespace Orvex
