#include "app/program_icon.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ProgramIcon, EverySizeAskedForIsDrawnFromTheResources)
{
    const QIcon icon = ProgramIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
    for (const int side : {16, 20, 48, 64, 256, 512}) {
        const QPixmap drawn = icon.pixmap(QSize(side, side));
        EXPECT_FALSE(drawn.isNull()) << side;
        EXPECT_EQ(drawn.size(), QSize(side, side)) << side;
    }
}

} // namespace
} // namespace velmora
