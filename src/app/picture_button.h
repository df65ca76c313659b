#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace velmora {

/// A button drawn as a picture scaled to its size, lighter under the pointer.
class PictureButton final : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QPixmap& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace velmora
