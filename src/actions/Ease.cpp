#include "actions/Ease.h"

namespace Orvex
{
namespace
{
float QuadInOutProgress(float elapsed, float duration)
{
    // u runs from 0 to 2: the first half accelerates, the second brakes.
    const float u = elapsed / (duration * 0.5f);
    if (u < 1.0f)
        return 0.5f * u * u;
    const float w = u - 1.0f;
    return -0.5f * (w * (w - 2.0f) - 1.0f);
}
} // namespace

std::optional<float> EaseProgress(unsigned ease, float elapsed, float duration)
{
    const float t = elapsed / duration;
    switch (ease)
    {
    case Linear:
        return t;
    case QuadIn:
        return t * t;
    case QuadOut:
        return -t * (t - 2.0f);
    case QuadInOut:
        return QuadInOutProgress(elapsed, duration);
    default:
        return std::nullopt;
    }
}
} // namespace Orvex
