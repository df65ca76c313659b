#include "app/window_alpha.h"

#include <QWidget>

namespace velmora {

void SetWindowAlpha(QWidget* window, int alpha)
{
    if (alpha < 0 || alpha > 255)
        alpha = 255;
    window->setWindowOpacity(alpha / 255.0);
}

} // namespace velmora
