#include "app/main_window.h"

#include <filesystem>
#include <functional>
#include <memory>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "app/qt_text.h"
#include "app/tray_icon.h"
#include "app/update_page.h"
#include "fakes/fake_services.h"
#include "fakes/modal_answers.h"
#include "platform/code_page.h"
#include "platform/system_services.h"
#include "scheduler/schedule_clock.h"
#include "support/file_bytes.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;
namespace fs = std::filesystem;

// A main window in a home folder of its own, with a clock and a browser under the test's control.
class MainWindowTest : public testing::Test
{
protected:
    MainWindowTest()
    {
        qputenv("HOME", m_home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        m_services.files = m_files.get();
    }

    fs::path Home() const { return fs::path(m_home.path().toStdString()); }
    fs::path SettingsPath() const { return Home() / "Documents" / "Tarvik" / "软件配置.ini"; }

    MainWindow& Window()
    {
        if (!m_window) {
            m_window = std::make_unique<MainWindow>(m_state, m_services.Get());
            m_window->MainWindowCreated();
        }
        return *m_window;
    }

    template <typename Control = QWidget>
    Control* Find(const QString& layoutName)
    {
        auto* control = Window().findChild<Control*>(layoutName);
        EXPECT_NE(control, nullptr) << layoutName.toStdString();
        return control;
    }

    QTemporaryDir m_home;
    ProgramState m_state;
    std::unique_ptr<FileSystem> m_files = CreateSystemFileSystem();
    FakeServices m_services;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(MainWindowTest, StartsOnTheFirstPageWithTheDataFolderCreated)
{
    MainWindow& window = Window();
    EXPECT_EQ(window.size(), QSize(500, 320));
    EXPECT_EQ(window.CurrentPage(), MainWindow::SchedulerPageIndex);
    EXPECT_TRUE(fs::is_directory(Home() / "Documents" / "Tarvik"));
    EXPECT_EQ(m_state.schedule.storedRunSeconds, 0);
    EXPECT_EQ(m_state.schedule.dateBoxFollowsClock, 1);
    EXPECT_EQ(Find(u"编辑框配置信息"_s)->geometry(), QRect(10, 255, 420, 20));
    EXPECT_TRUE(Find(u"组合框3"_s)->isHidden());
    EXPECT_TRUE(Find(u"组合框4"_s)->isHidden());
    EXPECT_TRUE(Find(u"进度条1"_s)->isHidden());
    EXPECT_TRUE(Find(u"标签进度条"_s)->isHidden());
    EXPECT_EQ(Find<QDateTimeEdit>(u"日期框1"_s)->displayFormat(), u"yyyy-MM-dd HH:mm:ss"_s);
    EXPECT_EQ(Find<QComboBox>(u"组合框2"_s)->currentIndex(), 0);
    // The start writes only the theme it restored: none, on a first start.
    EXPECT_EQ(ReadBytes(SettingsPath()), LocalFromUtf8("[启动项]\r\n主题=\r\n"));
}

// The creation step reads the update page the services fetched for it.
TEST_F(MainWindowTest, ANewerVersionOnTheUpdatePageIsAnnouncedAtCreation)
{
    m_services.updatePage.page = "var v='x' ='Tarvik2.9';\n";
    ModalAnswers answers;
    Window();
    EXPECT_EQ(m_state.newestVersion, "2.9");
    EXPECT_EQ(m_state.updateAvailable, 1);
    ASSERT_EQ(answers.seen.size(), 1U);
    EXPECT_EQ(answers.seen[0].title, u"更新提示"_s);
}

TEST_F(MainWindowTest, PlacesEveryControlAtItsPlace)
{
    struct Place
    {
        const char16_t* name;
        QRect geometry;
    };
    const Place places[] = {
        {u"图片框1", {0, 0, 500, 320}},   {u"超级按钮1", {70, 16, 50, 25}},  {u"超级按钮4", {370, 16, 50, 25}},
        {u"图片框3", {60, 40, 440, 10}},  {u"选择夹2", {60, 40, 440, 280}},  {u"图形按钮1", {433, 8, 30, 30}},
        {u"图形按钮2", {469, 8, 30, 30}}, {u"图形按钮8", {0, 200, 60, 60}},  {u"图形按钮3", {0, 260, 60, 60}},
        {u"按钮7", {330, 105, 80, 25}},   {u"日期框1", {180, 80, 241, 20}},  {u"超级列表框2", {4, 140, 416, 130}},
        {u"编辑框2", {90, 88, 328, 24}},  {u"进度条1", {92, 232, 328, 20}},  {u"超级列表框1", {0, 10, 430, 254}},
        {u"按钮10", {330, 220, 80, 25}},  {u"编辑框8", {2, 180, 432, 70}},   {u"按钮9", {356, 250, 75, 25}},
        {u"滑块条1", {-4, 48, 449, 28}},  {u"分组框1", {12, 128, 416, 120}}, {u"单选框12", {300, 90, 78, 15}},
    };
    for (const Place& place : places) {
        const QString name = QString::fromUtf16(place.name);
        if (QWidget* control = Find(name)) {
            EXPECT_EQ(control->geometry(), place.geometry) << name.toStdString();
        }
    }
}

TEST_F(MainWindowTest, PageButtonsShowTheirPageWithTheUnderlineBelow)
{
    struct PageButton
    {
        const char16_t* name;
        int page;
        int left;
    };
    const PageButton buttons[] = {{u"超级按钮2", 1, 130}, {u"超级按钮3", 2, 190}, {u"超级按钮5", 3, 250},
                                  {u"超级按钮6", 4, 310}, {u"超级按钮4", 5, 370}, {u"超级按钮1", 0, 70}};
    for (const PageButton& button : buttons) {
        QTest::mouseClick(Find(QString::fromUtf16(button.name)), Qt::LeftButton);
        EXPECT_EQ(Window().CurrentPage(), button.page);
        EXPECT_EQ(Find(u"滑块"_s)->x(), button.left);
    }
}

TEST_F(MainWindowTest, ExitCommandsAddThisRunToTheStoredRunningTime)
{
    const std::function<void(MainWindow&)> exitCommands[] = {
        [](MainWindow& window) { QTest::mouseClick(window.findChild<QWidget*>(u"图形按钮2"_s), Qt::LeftButton); },
        [](MainWindow& window) { QTest::mouseClick(window.findChild<QWidget*>(u"图形按钮3"_s), Qt::LeftButton); },
        [](MainWindow& window) { window.findChild<TrayIcon*>()->Menu()->actions().at(1)->trigger(); },
    };
    for (const auto& leave : exitCommands) {
        WriteBytes(SettingsPath(), LocalFromUtf8("[启动项]\r\n启动时间=  100\r\n"));
        m_window.reset();
        m_state = ProgramState{};
        QSignalSpy exits(&Window(), &MainWindow::ExitRequested);
        EXPECT_EQ(m_state.schedule.storedRunSeconds, 100);
        for (int tick = 0; tick < 25; ++tick)
            Window().findChild<ScheduleClock*>()->Tick();
        leave(Window());
        EXPECT_EQ(exits.count(), 1);
        EXPECT_EQ(ReadBytes(SettingsPath()), LocalFromUtf8("[启动项]\r\n启动时间=125\r\n主题=\r\n"));
    }
}

TEST_F(MainWindowTest, EscapeClosesWithoutWritingAnything)
{
    QSignalSpy closes(&Window(), &MainWindow::Closed);
    const std::string writtenAtStart = ReadBytes(SettingsPath());
    Window().findChild<ScheduleClock*>()->Tick();
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_EQ(closes.count(), 1);
    EXPECT_EQ(ReadBytes(SettingsPath()), writtenAtStart);
}

TEST_F(MainWindowTest, ClockTicksRewriteTheStatusTexts)
{
    Window().findChild<ScheduleClock*>()->Tick();
    EXPECT_EQ(Find<QPlainTextEdit>(u"编辑框提示"_s)->toPlainText(), u"当前：2019年3月3日9时14分24秒\n\n \n"_s);
    EXPECT_EQ(Find<QLineEdit>(u"编辑框配置信息"_s)->text(),
              QString::fromStdString(UpdatePageAddress()) + u" 版本：2.8  已运行：1秒"_s);
    EXPECT_EQ(Find<QDateTimeEdit>(u"日期框1"_s)->dateTime(), QDateTime(QDate(2019, 3, 3), QTime(9, 14, 24)));
}

TEST_F(MainWindowTest, DoubleClickOnTheConfigurationLineOpensTheUpdatePage)
{
    QTest::mouseDClick(Find(u"编辑框配置信息"_s), Qt::LeftButton);
    ASSERT_EQ(m_services.browser.opened.size(), 1U);
    EXPECT_EQ(m_services.browser.opened.front(), UpdatePageAddress() + " ");
}

TEST_F(MainWindowTest, RightClickOnThePagesShowsThePyMenuOnlyOnThePythonPage)
{
    auto* menu = Find<QMenu>(u"py"_s);
    for (int page : {0, 2, 3}) {
        Window().ShowPage(page);
        QTest::mouseRelease(Find(u"选择夹2"_s), Qt::RightButton);
        EXPECT_EQ(menu->isVisible(), page == MainWindow::PyRunPageIndex) << page;
        menu->hide();
    }
}

// Routes a drop the way the window does when files are let go over its pages.
class DroppedFileRoutingTest : public MainWindowTest
{
protected:
    DroppedFileRoutingTest()
    {
        fs::create_directories(Home() / "dir");
        WriteBytes(Home() / "dir" / "a.txt", "a");
        WriteBytes(Home() / "dir" / "b.txt", "b");
    }

    QString PathOf(const char* relative) const { return FromNativePath((Home() / relative).native()); }

    void Drop(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        EXPECT_TRUE(DragAndDrop(data));
    }

    // A drop reaches only the widget that accepted the drag entering it.
    bool DragAndDrop(QMimeData& data)
    {
        QWidget* pages = Find(u"选择夹2"_s);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pages, &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pages, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    QString Text(const QString& box) { return Find<QLineEdit>(box)->text(); }
};

TEST_F(DroppedFileRoutingTest, AFolderGoesWholeAndAFileGivesItsFolder)
{
    Window().ShowPage(MainWindow::BatchPageIndex);
    Drop({PathOf("dir")});
    EXPECT_EQ(Text(u"编辑框1"_s), PathOf("dir"));
    Drop({PathOf("dir/a.txt")});
    EXPECT_EQ(Text(u"编辑框1"_s), PathOf("dir") + u"/"_s);
    EXPECT_EQ(Text(u"编辑框9"_s), QString());
}

TEST_F(DroppedFileRoutingTest, OnTheSchedulerPageAFileAlsoFillsTheHiddenPathBox)
{
    Drop({PathOf("dir/a.txt")});
    EXPECT_EQ(Text(u"编辑框9"_s), PathOf("dir/a.txt"));
    EXPECT_EQ(Text(u"编辑框1"_s), PathOf("dir") + u"/"_s);
}

TEST_F(DroppedFileRoutingTest, TwoFilesOnThePythonPageArriveAsOneTextOfTwoLines)
{
    Window().ShowPage(MainWindow::PyRunPageIndex);
    Drop({PathOf("dir/a.txt"), PathOf("dir/b.txt")});
    const QString both = PathOf("dir/a.txt") + u"\r\n"_s + PathOf("dir/b.txt") + u"\r\n"_s;
    EXPECT_EQ(Text(u"编辑框5"_s), both);
    EXPECT_EQ(FromNativePath(m_state.pyScriptPath.native()), both);
    EXPECT_EQ(Text(u"编辑框1"_s), PathOf("dir/a.txt") + u"\r\n"_s + PathOf("dir") + u"/"_s);
}

TEST_F(DroppedFileRoutingTest, InSplitModeAFileGoesWhole)
{
    Find<QComboBox>(u"组合框1"_s)->setCurrentIndex(5);
    Drop({PathOf("dir/a.txt")});
    EXPECT_EQ(Text(u"编辑框1"_s), PathOf("dir/a.txt"));
}

TEST_F(DroppedFileRoutingTest, DropsOfAnythingButFilesAreRefused)
{
    QMimeData data;
    data.setText(u"plain words"_s);
    EXPECT_FALSE(DragAndDrop(data));
    EXPECT_EQ(Text(u"编辑框1"_s), QString());
}

} // namespace
} // namespace velmora
