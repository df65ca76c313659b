#include "app/picture_button.h"

#include <QPainter>

namespace velmora {

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent) : QAbstractButton(parent), m_picture(picture)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(underMouse() ? 1.0 : 0.85);
    const QRect target = isDown() ? rect().translated(1, 1) : rect();
    painter.drawPixmap(target, m_picture);
}

} // namespace velmora
