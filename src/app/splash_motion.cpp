#include "app/splash_motion.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr int kBandWidth = 28;
// One band of 28 pixels each from the left edge; slow in the middle, fast at the edges.
constexpr std::array<int, 17> kStepOfBand = {6, 6, 6, 5, 4, 3, 2, 2, 2, 2, 3, 4, 5, 6, 6, 6, 6};
constexpr int kStepOutside = 6;
constexpr SplashDotLefts kRowEnteringFromLeft = {0, -72, -144, -216, -288};
} // namespace

int SplashDotStep(int left)
{
    if (left < 0)
        return kStepOutside;
    return kStepOfBand[std::min<std::size_t>(static_cast<std::size_t>(left / kBandWidth), kStepOfBand.size() - 1)];
}

void AdvanceSplashDots(SplashDotLefts& lefts)
{
    if (lefts.back() >= kSplashDotsEnd)
        lefts = kRowEnteringFromLeft;
    for (int& left : lefts)
        left = left <= kSplashDotsEnd ? left + SplashDotStep(left) : kSplashDotsEnd;
}

int NextSplashFadeLevel(int fadeLevel)
{
    double step = (255 - fadeLevel) / 20.0;
    if (step - 1 < -0.0000001)
        step = 1;
    return static_cast<int>(fadeLevel + step);
}

} // namespace velmora
