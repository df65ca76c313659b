#include "app/window_transparency.h"

#include <string>

#include "platform/code_page.h"

namespace velmora {

int AlphaFromSliderPosition(int position)
{
    return static_cast<int>(255.0 - position * 255.0 / 100.0);
}

Text TransparencyLabelText(int alpha)
{
    static const Text caption = LocalFromUtf8("窗口透明数值：");
    return caption + std::to_string(alpha);
}

} // namespace velmora
