#include "app/appearance.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/tray_icon.h"
#include "fakes/fake_services.h"
#include "platform/code_page.h"
#include "platform/linux/dl_skin_engine_loader.h"
#include "platform/system_services.h"
#include "scheduler/schedule_clock.h"
#include "skin_engine/skin_engine_api.h"
#include "support/file_bytes.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;
namespace fs = std::filesystem;

const fs::path kBuiltEngine = VELMORA_SKIN_ENGINE_FILE;

// True when two renderings differ at most by the rounding of shaded edges (a channel by 3).
bool LookAlike(const QList<QImage>& a, const QList<QImage>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype page = 0; page < a.size(); ++page) {
        if (a[page].size() != b[page].size())
            return false;
        for (int y = 0; y < a[page].height(); ++y) {
            for (int x = 0; x < a[page].width(); ++x) {
                const QColor one = a[page].pixelColor(x, y);
                const QColor other = b[page].pixelColor(x, y);
                if (std::abs(one.red() - other.red()) > 3 || std::abs(one.green() - other.green()) > 3 ||
                    std::abs(one.blue() - other.blue()) > 3)
                    return false;
            }
        }
    }
    return true;
}

// A main window in a home folder of its own whose program folder holds the built skin engine, or
// nothing when the test takes the engine away.
class AppearanceTest : public testing::Test
{
protected:
    AppearanceTest()
    {
        qputenv("HOME", m_home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~AppearanceTest() override { qApp->setStyleSheet(QString()); }

    fs::path Home() const { return fs::path(m_home.path().toStdString()); }
    fs::path SettingsPath() const { return Home() / "Documents" / "Tarvik" / "软件配置.ini"; }
    void StoreSettings(const char* utf8)
    {
        fs::create_directories(SettingsPath().parent_path());
        std::ofstream(SettingsPath(), std::ios::binary) << LocalFromUtf8(utf8);
    }
    std::string StoredSettings() const { return Utf8FromLocal(ReadBytes(SettingsPath())); }

    MainWindow& Window(bool withEngine = true)
    {
        if (!m_window) {
            m_engine = std::make_unique<DlSkinEngineLoader>(withEngine ? kBuiltEngine.parent_path() : Home(),
                                                            Home() / "no-system-folder");
            m_services.files = m_files.get();
            m_services.skinEngine = m_engine.get();
            m_window = std::make_unique<MainWindow>(m_state, m_services.Get());
            m_window->MainWindowCreated();
            m_window->show();
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

    void ClickTheme(int theme) { Find<QAbstractButton>(u"单选框%1"_s.arg(theme))->click(); }

    QList<QImage> PageImages()
    {
        QList<QImage> pages;
        for (int page = MainWindow::SchedulerPageIndex; page <= MainWindow::SettingsPageIndex; ++page) {
            Window().ShowPage(page);
            // A page that was hidden when the skin changed takes it up as it is shown.
            QApplication::processEvents();
            pages << Window().grab().toImage();
        }
        return pages;
    }

    // The pages but the settings page, which also shows which theme button was clicked last.
    QList<QImage> PagesButSettings() { return PageImages().mid(0, MainWindow::SettingsPageIndex); }

    QTemporaryDir m_home;
    ProgramState m_state;
    std::unique_ptr<FileSystem> m_files = CreateSystemFileSystem();
    std::unique_ptr<DlSkinEngineLoader> m_engine;
    FakeServices m_services;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(AppearanceTest, EveryThemeChangesEveryPage)
{
    // The clock writes the scheduler page's texts once; the test's clock stands still after that.
    Window().findChild<ScheduleClock*>()->Tick();
    const QList<QImage> ownLook = PageImages();
    EXPECT_EQ(m_state.skinEnginePath, kBuiltEngine);
    QList<QList<QImage>> looks;
    for (int theme : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
        ClickTheme(theme);
        EXPECT_EQ(StoredSettings(), "[启动项]\r\n主题=" + std::to_string(theme) + "\r\n");
        const QList<QImage> look = PageImages();
        for (int page = 0; page < look.size(); ++page)
            EXPECT_NE(look[page], ownLook[page]) << "theme " << theme << " page " << page;
        for (const QList<QImage>& other : looks)
            EXPECT_NE(look, other) << "theme " << theme << " looks like an earlier one";
        looks << look;
    }
    // The default theme hands the engine the last skin again.
    ClickTheme(10);
    EXPECT_EQ(PagesButSettings(), looks.back().mid(0, MainWindow::SettingsPageIndex));
    EXPECT_EQ(StoredSettings(), "[启动项]\r\n主题=\r\n");
    // An empty block gives the program its own look back (Qt shades a few control edges one or
    // two steps differently once a style sheet has come and gone).
    EXPECT_EQ(m_engine->Attach(kBuiltEngine, {}), 0);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_TRUE(LookAlike(PagesButSettings(), ownLook.mid(0, MainWindow::SettingsPageIndex)));
}

TEST_F(AppearanceTest, TheEngineRefusesWhatIsNoSkin)
{
    Window();
    ClickTheme(4);
    const QString sheet = qApp->styleSheet();
    EXPECT_TRUE(sheet.contains(u"简约蓝"_s));
    EXPECT_EQ(m_engine->Attach(kBuiltEngine, "QWidget { color: red; }"), 3);
    EXPECT_EQ(m_engine->Attach(kBuiltEngine, std::string(kSkinHeader) + "\xFF\xFE"), 3);
    EXPECT_EQ(qApp->styleSheet(), sheet);
}

TEST_F(AppearanceTest, WithoutTheEngineThemesOnlyStoreTheChoice)
{
    Window(false).findChild<ScheduleClock*>()->Tick(); // later ticks of the still clock change nothing
    const QList<QImage> ownLook = PagesButSettings();
    ClickTheme(2);
    EXPECT_EQ(StoredSettings(), "[启动项]\r\n主题=2\r\n");
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(PagesButSettings(), ownLook);
}

TEST_F(AppearanceTest, StartUpRestoresOnlyAnExactStoredTheme)
{
    StoreSettings("[启动项]\r\n主题=3\r\n");
    Window();
    EXPECT_TRUE(qApp->styleSheet().contains(u"简约com"_s));
    EXPECT_EQ(StoredSettings(), "[启动项]\r\n主题=3\r\n");
    EXPECT_EQ(m_state.themeText, "3");
    // The restore applies the theme without checking its button.
    for (int theme = 1; theme <= 12; ++theme)
        EXPECT_FALSE(Find<QAbstractButton>(u"单选框%1"_s.arg(theme))->isChecked()) << theme;
}

TEST_F(AppearanceTest, StoredTheme10RestoresNothing)
{
    StoreSettings("[启动项]\r\n主题=10\r\n");
    Window();
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(StoredSettings(), "[启动项]\r\n主题=10\r\n");
}

TEST_F(AppearanceTest, FirstStartStoresAnEmptyTheme)
{
    Window();
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(StoredSettings(), "[启动项]\r\n主题=\r\n");
}

TEST_F(AppearanceTest, TheSliderSetsTheAlphaAndRestoringOpacityKeepsTheLabel)
{
    auto* slider = Find<QSlider>(u"滑块条1"_s);
    auto* label = Find<QLabel>(u"透明标签窗口"_s);
    EXPECT_EQ(qRound(Window().windowOpacity() * 255), 225);
    for (const auto& [position, alpha] : {std::pair{50, 127}, {100, 0}, {1, 252}}) {
        slider->setValue(position);
        EXPECT_EQ(m_state.windowAlpha, alpha);
        EXPECT_EQ(qRound(Window().windowOpacity() * 255), alpha);
        EXPECT_EQ(label->text(), u"窗口透明数值："_s + QString::number(alpha));
    }
    Window().findChild<TrayIcon*>()->Menu()->actions().at(2)->trigger();
    EXPECT_EQ(Window().windowOpacity(), 1.0);
    EXPECT_EQ(label->text(), u"窗口透明数值：252"_s);
    EXPECT_EQ(slider->value(), 1);
    EXPECT_EQ(m_state.windowAlpha, 252);
}

TEST_F(AppearanceTest, TheAboutBoxTellsWhetherANewerVersionExists)
{
    struct Case
    {
        const char* newest;
        QString text;
    };
    const Case cases[] = {
        {"2.9", u"作者：Pellam\r\n有新版本~更新\r\n最新版本号：2.9\r\n本地版本号：2.8\r\n软件运行时间：3秒"_s},
        {"", u"作者：Pellam\r\n已是最新版本\r\n最新版本号：\r\n本地版本号：2.8\r\n软件运行时间：3秒"_s},
    };
    Window(); // its creation checks the update page, which no server answers here
    for (const Case& c : cases) {
        m_state.newestVersion = c.newest;
        m_state.programVersion = "2.8";
        m_state.schedule.runTimeText = LocalFromUtf8("3秒");
        QString text;
        QString title;
        QTimer::singleShot(50, &Window(), [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                title = box->windowTitle();
                box->button(QMessageBox::Ok)->click();
            }
        });
        QTest::mouseClick(Find(u"图形按钮8"_s), Qt::LeftButton);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(title, u"软件信息"_s);
    }
}

} // namespace
} // namespace velmora
