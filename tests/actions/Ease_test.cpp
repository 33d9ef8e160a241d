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

TEST(EaseCurves, StartAtZero)
{
    for (unsigned ease : {Linear, QuadIn, QuadOut, QuadInOut})
        EXPECT_FLOAT_EQ(Progress(ease, 0.0f), 0.0f) << "ease " << ease;
}

TEST(EaseCurves, EndAtOne)
{
    for (unsigned ease : {Linear, QuadIn, QuadOut, QuadInOut})
        EXPECT_FLOAT_EQ(Progress(ease, 2.0f, 2.0f), 1.0f) << "ease " << ease;
}

TEST(EaseCurves, Midpoints)
{
    EXPECT_FLOAT_EQ(Progress(Linear, 0.5f), 0.5f);
    EXPECT_FLOAT_EQ(Progress(QuadIn, 0.5f), 0.25f);
    EXPECT_FLOAT_EQ(Progress(QuadOut, 0.5f), 0.75f); // -0.5 * (0.5 - 2)
    EXPECT_FLOAT_EQ(Progress(QuadInOut, 0.5f), 0.5f);
}

TEST(EaseCurves, QuadInOutQuarters)
{
    // Over 2 s: u = 0.5 gives 0.5 * 0.25; u = 1.5 gives -0.5 * (0.5 * -1.5 - 1).
    EXPECT_FLOAT_EQ(Progress(QuadInOut, 0.5f, 2.0f), 0.125f);
    EXPECT_FLOAT_EQ(Progress(QuadInOut, 1.5f, 2.0f), 0.875f);
}

TEST(EaseCurves, QuadOutLeadsQuadIn)
{
    EXPECT_FLOAT_EQ(Progress(QuadIn, 0.25f), 0.0625f);
    EXPECT_FLOAT_EQ(Progress(QuadOut, 0.25f), 0.4375f); // -0.25 * -1.75
}

TEST(EaseCurves, UnknownCurveGivesNothing)
{
    EXPECT_FALSE(EaseProgress(4, 0.5f, 1.0f).has_value());
    EXPECT_FALSE(EaseProgress(0xFFFFFFFFu, 0.5f, 1.0f).has_value());
}
} // namespace
} // namespace Orvex
