#include "app/splash_window.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/control_placement.h"
#include "app/splash_motion.h"
#include "app/window_alpha.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int kDotTop = 172;
constexpr int kDotSize = 8;
constexpr int kPauseMs = 10;
constexpr int kDotTickMs = 10;

constexpr const char16_t* kStatusTexts[] = {u"正在验证...", u"正在启动...", u"正在读取...", u"正在初始化...",
                                            u"准备就绪。"};

// Waits until the deadline while the window system's events, timers included, go on being
// handled; a deadline already past still lets the waiting events through once.
void PauseUntil(const QDeadlineTimer& deadline)
{
    QEventLoop pause;
    QTimer::singleShot(deadline.remainingTime(), Qt::PreciseTimer, &pause, &QEventLoop::quit);
    pause.exec();
}

void Pause(int milliseconds)
{
    PauseUntil(QDeadlineTimer(milliseconds, Qt::PreciseTimer));
}

QFont YaHei(int pixelHeight)
{
    QFont font(u"微软雅黑"_s);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

QLabel* PlaceTransparentLabel(QWidget* window, const QString& layoutName, const QRect& geometry, const QString& text,
                              const QFont& font, const QColor& colour)
{
    auto* label = PlaceControl<QLabel>(window, layoutName, geometry, text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setFont(font);
    SetTextColour(label, colour);
    return label;
}
} // namespace

SplashWindow::SplashWindow(ProgramState& state, std::function<void()> makeMainWindow,
                           std::function<void()> openMainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state),
      m_makeMainWindow(std::move(makeMainWindow)), m_openMainWindow(std::move(openMainWindow)),
      m_bigLabel(PlaceTransparentLabel(this, u"透明标签1"_s, {88, 72, 288, 78}, u"LOVE YOU"_s, YaHei(48), Qt::white)),
      m_statusLabel(PlaceTransparentLabel(this, u"透明标签2"_s, {16, 224, 424, 16}, QString::fromUtf16(kStatusTexts[0]),
                                          YaHei(15), QColor(255, 194, 193))),
      m_dotTimer(new QTimer(this)), m_fadeTimer(new QTimer(this))
{
    setObjectName(u"SplashWindow"_s);
    setFixedSize(448, 252);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    for (std::size_t dot = 0; dot < m_dots.size(); ++dot) {
        m_dots[dot] = PlaceControl<QFrame>(this, u"外形框%1"_s.arg(dot + 1),
                                           {kSplashDotsAtStart[dot], kDotTop, kDotSize, kDotSize});
        m_dots[dot]->setAutoFillBackground(true);
        QPalette white = m_dots[dot]->palette();
        white.setColor(QPalette::Window, Qt::white);
        m_dots[dot]->setPalette(white);
    }

    m_dotTimer->setObjectName(u"时钟1"_s);
    m_dotTimer->setInterval(kDotTickMs);
    connect(m_dotTimer, &QTimer::timeout, this, &SplashWindow::SplashDots);
    m_fadeTimer->setObjectName(u"_初始化时钟"_s);
    connect(m_fadeTimer, &QTimer::timeout, this, &SplashWindow::SplashFade);
    m_fadeTimer->start(1);
}

void SplashWindow::SplashDots()
{
    SplashDotLefts lefts;
    for (std::size_t dot = 0; dot < m_dots.size(); ++dot)
        lefts[dot] = m_dots[dot]->x();
    AdvanceSplashDots(lefts);
    for (std::size_t dot = 0; dot < m_dots.size(); ++dot)
        m_dots[dot]->move(lefts[dot], kDotTop);
}

void SplashWindow::SplashFade()
{
    // Everything happens in the first tick; its pauses must not run it a second time.
    m_fadeTimer->stop();
    if (m_state.fadeLevel == 0) {
        SetTextColour(m_bigLabel, Qt::red);
        show();
        // Showing activates the window, and its first activation runs the status texts at once.
        activateWindow();
        SplashStatus();
    }
    while (SplashFadeGoesOn(m_state.fadeLevel)) {
        m_state.fadeLevel = NextSplashFadeLevel(m_state.fadeLevel);
        SetTextColour(m_bigLabel, QColor(255, m_state.fadeLevel, m_state.fadeLevel));
        Pause(kPauseMs);
    }
    SetWindowAlpha(this, 255);
}

void SplashWindow::SplashStatus()
{
    // The texts change on a steady beat. The main window is made once the first text has been
    // seen, so that making it fills the waits of the texts after it instead of adding to them.
    QDeadlineTimer nextText(0, Qt::PreciseTimer);
    for (std::size_t index = 0; index < std::size(kStatusTexts); ++index) {
        m_statusLabel->setText(QString::fromUtf16(kStatusTexts[index]));
        if (index == 1)
            m_makeMainWindow();
        nextText += kPauseMs;
        PauseUntil(nextText);
    }
    if (m_statusLabel->text() == QString::fromUtf16(kStatusTexts[std::size(kStatusTexts) - 1])) {
        hide();
        m_openMainWindow();
    }
}

// The dots move only while they can be seen: the window stays hidden for the whole life of the
// program, and a 10 ms timer ticking unseen would wake an idle program a hundred times a second.
void SplashWindow::showEvent(QShowEvent* event)
{
    m_dotTimer->start();
    QWidget::showEvent(event);
}

void SplashWindow::hideEvent(QHideEvent* event)
{
    m_dotTimer->stop();
    QWidget::hideEvent(event);
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora
