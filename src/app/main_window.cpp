#include "app/main_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

#include "app/about_box.h"
#include "app/appearance.h"
#include "app/control_placement.h"
#include "app/picture_button.h"
#include "app/program_icon.h"
#include "app/settings_page.h"
#include "app/update_page.h"
#include "batch/batch_page.h"
#include "console/console_page.h"
#include "memo/memo_file.h"
#include "memo/memo_page.h"
#include "pyrun/pyrun_page.h"
#include "scheduler/schedule_clock.h"
#include "scheduler/scheduler_page.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
struct PageButton
{
    const char16_t* layoutName;
    const char16_t* caption;
    int left;
};

// In page order; the underline sits at the left of the current page's button.
constexpr PageButton kPageButtons[] = {
    {u"超级按钮1", u"定时关机", 70}, {u"超级按钮2", u"批量操作", 130}, {u"超级按钮3", u"备忘笔记", 190},
    {u"超级按钮5", u".py助手", 250}, {u"超级按钮6", u"网络应用", 310}, {u"超级按钮4", u"其他设置", 370},
};

// Captions the pages keep although no tab strip shows them.
constexpr const char16_t* kPageCaptions[] = {u"定时关机", u"批量操作", u"备忘笔记", u"其他", u"聊天辅助", u"其他设置"};

constexpr QColor kPageColour(236, 236, 236);
constexpr int kUnderlineTop = 40;

const QString kPageButtonStyle = u"QPushButton { color: #EEF2FA; background: transparent; border: none; "
                                 u"font-size: 12px; } QPushButton:hover { color: #5FD8C4; }"_s;
} // namespace

MainWindow::MainWindow(ProgramState& state, const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state), m_services(services)
{
    setObjectName(u"Velmora"_s);
    setWindowTitle(u"“Velmora^Pellam”"_s);
    setWindowIcon(ProgramIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(500, 357);
    CentreOnScreen();

    BuildFrame();
    BuildPages();
    BuildMenus();
    UseDefaultPointerOnPages();
    m_scheduleClock =
        new ScheduleClock(m_state, m_services, *m_schedulerPage, *m_settingsPage->ConfigurationLine(), this);
    m_appearance = new Appearance(*this, *m_settingsPage, m_state, m_services);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildFrame()
{
    auto* background = PlaceControl<QLabel>(this, u"图片框1"_s, {0, 0, 500, 320});
    background->setPixmap(QPixmap(u":/images/background.png"_s));

    m_pages = PlaceControl<QTabWidget>(this, u"选择夹2"_s, {60, 40, 440, 280});
    m_pages->tabBar()->hide();
    m_pages->setDocumentMode(true);
    m_pages->installEventFilter(this);

    auto* strip = PlaceControl<QLabel>(this, u"图片框3"_s, {60, 40, 440, 10});
    strip->setPixmap(QPixmap(u":/images/strip.png"_s));
    strip->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_underline = PlaceControl<QFrame>(this, u"滑块"_s, {kPageButtons[0].left, kUnderlineTop, 50, 3});
    m_underline->setStyleSheet(u"background: #5FD8C4;"_s);
    m_underline->setAttribute(Qt::WA_TransparentForMouseEvents);

    int page = 0;
    for (const PageButton& place : kPageButtons) {
        auto* button = PlaceControl<QPushButton>(this, QString::fromUtf16(place.layoutName), {place.left, 16, 50, 25},
                                                 QString::fromUtf16(place.caption));
        button->setStyleSheet(kPageButtonStyle);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, page] { ShowPage(page); });
        ++page;
    }
    // The first page button keeps the ordinary pointer.
    findChild<QPushButton*>(u"超级按钮1"_s)->setCursor(Qt::ArrowCursor);

    auto placePicture = [this](const QString& layoutName, const QRect& geometry, const QString& picture) {
        auto* button = new PictureButton(QPixmap(picture), this);
        button->setObjectName(layoutName);
        button->setGeometry(geometry);
        return button;
    };
    connect(placePicture(u"图形按钮1"_s, {433, 8, 30, 30}, u":/images/minimise.png"_s), &QAbstractButton::clicked, this,
            &QWidget::showMinimized);
    connect(placePicture(u"图形按钮2"_s, {469, 8, 30, 30}, u":/images/exit.png"_s), &QAbstractButton::clicked, this,
            &MainWindow::SaveRunTimeAndExit);
    connect(placePicture(u"图形按钮8"_s, {0, 200, 60, 60}, u":/images/about.png"_s), &QAbstractButton::clicked, this,
            [this] { ShowAboutBox(m_state); });
    connect(placePicture(u"图形按钮3"_s, {0, 260, 60, 60}, u":/images/exit.png"_s), &QAbstractButton::clicked, this,
            &MainWindow::SaveRunTimeAndExit);
}

void MainWindow::BuildPages()
{
    m_schedulerPage = new SchedulerPage(m_state, m_services);
    m_batchPage = new BatchPage(m_services.files, m_services.folderFiles, m_services.fileDialog);
    m_memoPage = new MemoPage(m_services.files, MemoFile());
    m_pyRunPage = new PyRunPage(m_state, m_services);
    m_consolePage = new ConsolePage(m_services.clock);
    m_settingsPage = new SettingsPage;
    const QList<QWidget*> pages = {m_schedulerPage, m_batchPage,   m_memoPage,
                                   m_pyRunPage,     m_consolePage, m_settingsPage};
    for (qsizetype index = 0; index < pages.size(); ++index) {
        QWidget* page = pages[index];
        QPalette colours = page->palette();
        colours.setColor(QPalette::Window, kPageColour);
        page->setPalette(colours);
        page->setAutoFillBackground(true);
        // Lets a skin's background reach the page; custom widgets draw none by default.
        page->setAttribute(Qt::WA_StyledBackground);
        m_pages->addTab(page, QString::fromUtf16(kPageCaptions[index]));
    }
    connect(m_settingsPage, &SettingsPage::ConfigurationLineDoubleClicked, this,
            [this] { m_services.browser.Open(UpdatePageAddress() + " "); });
}

void MainWindow::BuildMenus()
{
    m_pyMenu = new QMenu(u"py"_s, this);
    m_pyMenu->setObjectName(u"py"_s);
    connect(m_pyMenu->addAction(u"help"_s), &QAction::triggered, m_pyRunPage, &PyRunPage::ShowHelp);
}

void MainWindow::UseDefaultPointerOnPages()
{
    // The tab control shows the hand; its controls show the ordinary pointer unless they chose one.
    for (int index = 0; index < m_pages->count(); ++index) {
        for (QWidget* control : m_pages->widget(index)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->testAttribute(Qt::WA_SetCursor))
                control->setCursor(Qt::ArrowCursor);
        }
    }
}

void MainWindow::ShowPage(int page)
{
    m_pages->setCurrentIndex(page);
    m_underline->move(kPageButtons[page].left, kUnderlineTop);
}

int MainWindow::CurrentPage() const
{
    return m_pages->currentIndex();
}

void MainWindow::CentreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void MainWindow::RestoreNormalCentred()
{
    if (!isVisible())
        return;
    showNormal();
    CentreOnScreen();
    activateWindow();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Reaches the window only when the focused control has no use for the key.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    // The window manager moves the window where it can; elsewhere it follows the pointer by hand.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragOffset.reset();
    QWidget::mouseReleaseEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT Closed();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pages && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::RightButton && CurrentPage() == PyRunPageIndex)
            m_pyMenu->popup(release->globalPosition().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
