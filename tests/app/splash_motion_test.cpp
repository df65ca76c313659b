#include "app/splash_motion.h"

#include <vector>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(SplashMotion, DotStepsFollowTheBandsOf28Pixels)
{
    struct Case
    {
        int left;
        int step;
    };
    const Case cases[] = {
        {-288, 6}, {-1, 6},  {0, 6},   {27, 6},  {83, 6},  {84, 5},  {111, 5}, {112, 4}, {140, 3},
        {168, 2},  {279, 2}, {280, 3}, {308, 4}, {336, 5}, {364, 6}, {447, 6}, {448, 6}, {454, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplashDotStep(c.left), c.step) << c.left;
}

TEST(SplashMotion, DotTicks)
{
    struct Case
    {
        const char* what;
        SplashDotLefts before;
        SplashDotLefts after;
    };
    const Case cases[] = {
        {"first tick from the laid-out places", kSplashDotsAtStart, {266, 242, 218, 194, 170}},
        {"the last dot at the edge restarts the row", {448, 448, 448, 448, 448}, {6, -66, -138, -210, -282}},
        {"past the edge restarts too", {454, 448, 454, 448, 454}, {6, -66, -138, -210, -282}},
        {"dots at the edge rock until the last arrives", {448, 454, 448, 454, 447}, {454, 448, 454, 448, 453}},
        {"a dot just below the edge passes it", {447, 300, 200, 100, 0}, {453, 303, 202, 105, 6}},
    };
    for (const Case& c : cases) {
        SplashDotLefts lefts = c.before;
        AdvanceSplashDots(lefts);
        EXPECT_EQ(lefts, c.after) << c.what;
    }
}

TEST(SplashMotion, FadeTakes78StepsAndStopsShortOfWhite)
{
    std::vector<int> levels;
    for (int level = 0; SplashFadeGoesOn(level); level = NextSplashFadeLevel(level))
        levels.push_back(NextSplashFadeLevel(level));
    ASSERT_EQ(levels.size(), 78U);
    EXPECT_EQ(std::vector<int>(levels.begin(), levels.begin() + 8), (std::vector<int>{12, 24, 35, 46, 56, 65, 74, 83}));
    EXPECT_EQ(levels.back(), 253);
    EXPECT_EQ(levels[levels.size() - 2], 252);
    EXPECT_FALSE(SplashFadeGoesOn(253));
    EXPECT_TRUE(SplashFadeGoesOn(252));
}

} // namespace
} // namespace velmora
