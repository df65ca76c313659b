#include "app/splash_window.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

QColor TextColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

TEST(SplashWindow, IsLaidOutHiddenWithItsDotsInARow)
{
    ProgramState state;
    SplashWindow splash(
        state, [] {}, [] {});
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(448, 252));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.findChild<QLabel*>(u"透明标签1"_s)->text(), u"LOVE YOU"_s);
    EXPECT_EQ(splash.findChild<QLabel*>(u"透明标签1"_s)->geometry(), QRect(88, 72, 288, 78));
    EXPECT_EQ(TextColour(splash.findChild<QLabel*>(u"透明标签2"_s)), QColor(255, 194, 193));
    const int lefts[] = {264, 240, 216, 192, 168};
    for (int dot = 0; dot < 5; ++dot)
        EXPECT_EQ(splash.findChild<QFrame*>(u"外形框%1"_s.arg(dot + 1))->geometry(), QRect(lefts[dot], 172, 8, 8));
}

TEST(SplashWindow, DotsGlideTickByTickAndStartOverAtTheRightEdge)
{
    ProgramState state;
    SplashWindow splash(
        state, [] {}, [] {});
    auto dot = [&splash](int n) { return splash.findChild<QFrame*>(u"外形框%1"_s.arg(n)); };
    for (int n = 1; n <= 5; ++n)
        dot(n)->move(448, 172);
    splash.SplashDots();
    const int restarted[] = {6, -66, -138, -210, -282};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(dot(n)->pos(), QPoint(restarted[n - 1], 172)) << n;
}

TEST(SplashWindow, ShowsTheStatusTextsThenOpensTheMainWindowHiddenAndFadesAfterwards)
{
    ProgramState state;
    bool opened = false;
    QString statusAtMaking;
    bool visibleAtMaking = false;
    bool madeBeforeOpening = false;
    QString statusAtOpening;
    bool visibleAtOpening = true;
    QColor colourAtOpening;
    SplashWindow* splashSeen = nullptr;
    const auto made = [&] {
        madeBeforeOpening = !opened;
        statusAtMaking = splashSeen->findChild<QLabel*>(u"透明标签2"_s)->text();
        visibleAtMaking = splashSeen->isVisible();
    };
    SplashWindow splash(state, made, [&] {
        opened = true;
        statusAtOpening = splashSeen->findChild<QLabel*>(u"透明标签2"_s)->text();
        visibleAtOpening = splashSeen->isVisible();
        colourAtOpening = TextColour(splashSeen->findChild<QLabel*>(u"透明标签1"_s));
    });
    splashSeen = &splash;
    // The first tick of the 1 ms timer does it all; the fade ends at level 253.
    EXPECT_TRUE(QTest::qWaitFor([&state] { return state.fadeLevel == 253; }, 10000));
    EXPECT_TRUE(opened);
    // The main window is made while the texts show, after the first one.
    EXPECT_TRUE(madeBeforeOpening);
    EXPECT_EQ(statusAtMaking, u"正在启动..."_s);
    EXPECT_TRUE(visibleAtMaking);
    EXPECT_EQ(statusAtOpening, u"准备就绪。"_s);
    EXPECT_FALSE(visibleAtOpening);
    EXPECT_EQ(colourAtOpening, QColor(255, 0, 0));
    EXPECT_EQ(TextColour(splash.findChild<QLabel*>(u"透明标签1"_s)), QColor(255, 253, 253));
    EXPECT_FALSE(splash.findChild<QTimer*>(u"_初始化时钟"_s)->isActive());
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashWindow, TheDotsTickOnlyWhileTheWindowIsShown)
{
    ProgramState state;
    state.fadeLevel = 253; // already faded: its timer only stops itself
    SplashWindow splash(
        state, [] {}, [] {});
    const auto* dotTimer = splash.findChild<QTimer*>(u"时钟1"_s);
    EXPECT_FALSE(dotTimer->isActive());
    splash.show();
    EXPECT_TRUE(dotTimer->isActive());
    EXPECT_EQ(dotTimer->interval(), 10);
    const int leftBefore = splash.findChild<QFrame*>(u"外形框1"_s)->x();
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.findChild<QFrame*>(u"外形框1"_s)->x() != leftBefore; }, 5000));
    splash.hide();
    EXPECT_FALSE(dotTimer->isActive());
}

TEST(SplashWindow, EscapeClosesIt)
{
    ProgramState state;
    state.fadeLevel = 253; // already faded: its timer only stops itself
    SplashWindow splash(
        state, [] {}, [] {});
    splash.show();
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
} // namespace velmora
