#pragma once

#include "web/text.h"

namespace velmora {

/// The window alpha for a position of the transparency slider (1 to 100): 255 - position * 2.55,
/// cut toward zero, so 1 gives 252, 50 gives 127 and 100 gives 0.
int AlphaFromSliderPosition(int position);

/// The label under the slider for an alpha: "窗口透明数值：" and the number.
Text TransparencyLabelText(int alpha);

} // namespace velmora
