#include "pyrun/pyrun_page.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fakes/fake_services.h"
#include "fakes/modal_answers.h"
#include "platform/system_services.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;
namespace fs = std::filesystem;

// The main window with its Python page shown, starting programs through `processes`.
class PyRunPageTest : public testing::Test
{
protected:
    explicit PyRunPageTest(bool realProcesses) : m_window(m_state, ServicesStarting(realProcesses))
    {
        m_window.MainWindowCreated();
        m_window.ShowPage(MainWindow::PyRunPageIndex);
    }

    template <typename Control>
    Control* Find(const QString& layoutName)
    {
        auto* control = m_window.findChild<Control*>(layoutName);
        EXPECT_NE(control, nullptr) << layoutName.toStdString();
        return control;
    }

    Services ServicesStarting(bool realProcesses)
    {
        if (realProcesses)
            m_services.processes = m_realProcesses.get();
        return m_services.Get();
    }

    fs::path Folder() const { return fs::path(m_folder.path().toStdString()); }

    ProgramState m_state;
    std::unique_ptr<ProcessStarter> m_realProcesses = CreateSystemProcessStarter();
    FakeServices m_services;
    QTemporaryDir m_folder;
    MainWindow m_window;
};

class PyRunPageRecordingTest : public PyRunPageTest
{
protected:
    PyRunPageRecordingTest() : PyRunPageTest(false) {}
};

TEST_F(PyRunPageRecordingTest, EveryDropOnThePythonPageRunsTheScriptOnce)
{
    Find<QPushButton>(u"按钮10"_s)->click();
    const QString script = u"/tmp/my script.py"_s;
    m_window.DroppedFileRouting(script);
    m_window.DroppedFileRouting(script);
    ASSERT_EQ(m_services.recordingProcesses.starts.size(), 2U);
    EXPECT_EQ(m_services.recordingProcesses.starts[1].arguments.back(), "/tmp/my script.py");

    m_window.ShowPage(MainWindow::SchedulerPageIndex);
    m_window.DroppedFileRouting(u"/tmp/other.py"_s);
    EXPECT_EQ(m_services.recordingProcesses.starts.size(), 2U) << "drops elsewhere run nothing";
}

TEST_F(PyRunPageRecordingTest, TheModeSwitchesBackAndForth)
{
    auto* label = Find<QLabel>(u"标签5"_s);
    auto* button = Find<QPushButton>(u"按钮10"_s);
    button->click();
    EXPECT_EQ(m_state.pyConsoleHidden, 1);
    EXPECT_EQ(label->text(), u"当前：隐藏控制台模式"_s);
    m_window.DroppedFileRouting(u"/tmp/a.py"_s);
    ASSERT_EQ(m_services.recordingProcesses.starts.size(), 1U);
    EXPECT_EQ(m_services.recordingProcesses.starts[0].show, WindowShow::Hidden);
    ASSERT_EQ(m_services.recordingProcesses.starts[0].arguments.size(), 2U);
    EXPECT_EQ(m_services.recordingProcesses.starts[0].arguments[1], "/tmp/a.py");

    button->click();
    EXPECT_EQ(m_state.pyConsoleHidden, 0);
    EXPECT_EQ(label->text(), u"当前：显示控制台模式"_s);
}

TEST_F(PyRunPageRecordingTest, TheWindowIsMinimisedAfterEachStartWhenAskedEvenAFailedOne)
{
    m_window.show();
    Find<QPushButton>(u"按钮10"_s)->click();
    Find<QCheckBox>(u"选择框1"_s)->setChecked(true);
    m_window.DroppedFileRouting(u"/tmp/a.py"_s);
    EXPECT_TRUE(m_window.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(m_services.recordingProcesses.starts.size(), 1U);

    m_window.showNormal();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", m_folder.path().toUtf8()); // no interpreter there
    m_window.DroppedFileRouting(u"/tmp/b.py"_s);
    qputenv("PATH", path);
    EXPECT_EQ(m_services.recordingProcesses.starts.size(), 1U);
    EXPECT_TRUE(m_window.windowState() & Qt::WindowMinimized);
}

TEST_F(PyRunPageRecordingTest, ThePyMenuHelpExplainsThePage)
{
    ModalAnswers answers;
    Find<QMenu>(u"py"_s)->actions().front()->trigger();
    ASSERT_EQ(answers.seen.size(), 1U);
    EXPECT_EQ(answers.seen[0].title, u"Python文件助手："_s);
    EXPECT_EQ(answers.seen[0].text, u".py文件拖动到窗口自动执行,免去手动输入的麻烦"_s);
}

// The same page starting real processes.
class PyRunPageProcessTest : public PyRunPageTest
{
protected:
    PyRunPageProcessTest() : PyRunPageTest(true) {}

    // A script with blanks in its name that writes `marker`.
    fs::path Script(const fs::path& marker) const
    {
        const fs::path script = Folder() / "my script.py";
        std::ofstream(script) << "open(r'''" << marker.string() << "''', 'w').write('ran')\n";
        return script;
    }

    static bool AppearsSoon(const fs::path& file)
    {
        return QTest::qWaitFor([&] { return fs::exists(file) && fs::file_size(file) > 0; }, 15000);
    }
};

TEST_F(PyRunPageProcessTest, HiddenModeRunsTheDroppedScript)
{
    Find<QPushButton>(u"按钮10"_s)->click();
    const fs::path marker = Folder() / "hidden-ran";
    m_window.DroppedFileRouting(QString::fromStdString(Script(marker).string()));
    EXPECT_TRUE(AppearsSoon(marker));
}

TEST_F(PyRunPageProcessTest, ConsoleModeRunsTheScriptInTheDesktopsTerminal)
{
    // A stand-in terminal that notes it was used and runs what it was given.
    const fs::path bin = Folder() / "bin";
    fs::create_directories(bin);
    const fs::path terminalMarker = Folder() / "terminal-used";
    std::ofstream(bin / "x-terminal-emulator")
        << "#!/bin/sh\necho \"$1\" > '" << terminalMarker.string() << "'\nshift\nexec \"$@\" < /dev/null\n";
    fs::permissions(bin / "x-terminal-emulator", fs::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.string()) + ':' + path);

    const fs::path marker = Folder() / "console-ran";
    m_window.DroppedFileRouting(QString::fromStdString(Script(marker).string()));
    const bool terminalUsed = AppearsSoon(terminalMarker);
    const bool scriptRan = AppearsSoon(marker);
    qputenv("PATH", path);
    EXPECT_TRUE(terminalUsed);
    EXPECT_TRUE(scriptRan);
}

} // namespace
} // namespace velmora
