#include <gtest/gtest.h>

#include "actions/Ease.h"

namespace Orvex
{
namespace
{
float Progress(unsigned ease, float elapsed, float duration = 1.0f)
{
    return EaseProgress(ease, elapsed, duration).value();
}

TEST(EaseCurves, RunFromZeroToOneAlongTheirShapesAndAnUnknownCurveGivesNothing)
{
    for (unsigned ease : {Linear, QuadIn, QuadOut, QuadInOut})
    {
        EXPECT_FLOAT_EQ(Progress(ease, 0.0f), 0.0f) << "ease " << ease;
        EXPECT_FLOAT_EQ(Progress(ease, 2.0f, 2.0f), 1.0f) << "ease " << ease;
    }
    const struct
    {
        unsigned ease;
        float elapsed, duration, progress;
    } points[] = {
        {Linear, 0.5f, 2.0f, 0.25f},     {QuadIn, 0.5f, 2.0f, 0.0625f}, {QuadOut, 0.5f, 2.0f, 0.4375f},
        {QuadInOut, 0.5f, 2.0f, 0.125f}, {QuadInOut, 1.5f, 2.0f, 0.875f},
    };
    for (const auto& point : points)
        EXPECT_FLOAT_EQ(Progress(point.ease, point.elapsed, point.duration), point.progress)
            << "ease " << point.ease << " at " << point.elapsed << " of " << point.duration;
    EXPECT_FALSE(EaseProgress(4, 0.5f, 1.0f).has_value());
    EXPECT_FALSE(EaseProgress(0xFFFFFFFFu, 0.5f, 1.0f).has_value());
}
} // namespace
} // namespace Orvex
