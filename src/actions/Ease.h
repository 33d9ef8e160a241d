#pragma once
// The easing curves of the actions: the common quadratic easing equations.

#include <optional>

namespace Orvex
{
enum Ease : unsigned
{
    Linear = 0,
    QuadIn = 1,
    QuadOut = 2,
    QuadInOut = 3,
};

// The share of the whole change reached after elapsed of duration seconds
// (0 at the start, 1 at the end; elapsed below duration, duration above 0).
// Empty for an unknown curve: such an action writes nothing until it ends.
std::optional<float> EaseProgress(unsigned ease, float elapsed, float duration);
} // namespace Orvex
