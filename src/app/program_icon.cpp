#include "app/program_icon.h"

#include <array>

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
// The drawn sizes, smallest first.
constexpr std::array kDrawnSizes = {16, 32, 48, 256};

class ProgramIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QPixmap& drawn = Drawn(DrawnIndexFor(size));
        if (drawn.isNull() || drawn.size() == size)
            return drawn;
        return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kDrawnSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return u"VelmoraProgramIcon"_s; }

private:
    // The smallest drawn size that covers the request, or the largest.
    static std::size_t DrawnIndexFor(const QSize& size)
    {
        const int wanted = qMax(size.width(), size.height());
        for (std::size_t index = 0; index < kDrawnSizes.size(); ++index) {
            if (kDrawnSizes[index] >= wanted)
                return index;
        }
        return kDrawnSizes.size() - 1;
    }

    const QPixmap& Drawn(std::size_t index)
    {
        QPixmap& drawn = m_drawn[index];
        if (drawn.isNull())
            drawn.load(u":/icons/velmora-%1.png"_s.arg(kDrawnSizes[index]));
        return drawn;
    }

    std::array<QPixmap, kDrawnSizes.size()> m_drawn;
};
} // namespace

QIcon ProgramIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace velmora
