#pragma once

#include <array>

namespace velmora {

/// The lefts of the splash window's five dots, leading dot first.
using SplashDotLefts = std::array<int, 5>;

/// Where the dots sit when the window is created, 24 pixels apart.
inline constexpr SplashDotLefts kSplashDotsAtStart = {264, 240, 216, 192, 168};
/// A dot stops gliding here, the right edge of the window.
inline constexpr int kSplashDotsEnd = 448;

/// Pixels a dot at this left moves in one tick: 6 left of the window and near its edges, down to
/// 2 in its middle.
int SplashDotStep(int left);

/// One tick of the dots: once the last dot has reached the right edge the row starts again from
/// the left edge, then each dot moves by its step (a dot past the edge comes back to it).
void AdvanceSplashDots(SplashDotLefts& lefts);

/// The fade of the big label is still going at this level.
inline constexpr bool SplashFadeGoesOn(int fadeLevel)
{
    return fadeLevel <= 252;
}

/// The next level of the fade (green and blue of the label): a twentieth of what is left to 255,
/// at least 1, cut toward zero. From 0 it takes 78 steps to reach 253.
int NextSplashFadeLevel(int fadeLevel);

} // namespace velmora
