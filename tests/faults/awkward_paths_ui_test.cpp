// Paths with blanks, quotes, shell characters, leading dashes, line breaks and characters code
// page 936 lacks, through the execution list and the Python page: exactly the file named runs,
// and no shell ever reads the path.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "fakes/fake_services.h"
#include "fakes/fresh_home.h"
#include "fakes/modal_answers.h"
#include "platform/linux/linux_file_system.h"
#include "platform/system_services.h"
#include "scheduler/scheduler_page.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;
namespace fs = std::filesystem;

// File names a Linux desktop can hand over; the shell would read most of them as something else.
const std::vector<std::string> kAwkwardNames = {
    "with blank",     "double\"quote", "single'quote",        "-leading-dash", "--help",
    "$(touch pwned)", "`touch pwned`", "semi;colon&amp|pipe", "back\\slash",   "glob*?[a]",
    "汉字 名",        "emoji😀 한국어", "trailing blank ",
};
const std::vector<std::string> kLineBreakNames = {"line\nbreak", "carriage\rreturn"};

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool AppearsSoon(const fs::path& file)
{
    return QTest::qWaitFor([&] { return fs::exists(file) && fs::file_size(file) > 0; }, 15000);
}

class AwkwardPathsTest : public testing::Test
{
protected:
    fs::path Marker() const { return m_home.Path() / "marker"; }

    // An executable in a folder of its own named `name`, that writes the path it was started by.
    fs::path ShellScript(const std::string& name, const std::string& extension) const
    {
        const fs::path folder = m_home.Path() / ("folder " + name);
        fs::create_directories(folder);
        const fs::path script = folder / (name + extension);
        std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$0\" > '" << Marker().string() << "'\n";
        fs::permissions(script, fs::perms::owner_all);
        return script;
    }

    void ExpectOnlyThisRan(const fs::path& script)
    {
        ASSERT_TRUE(AppearsSoon(Marker())) << script;
        EXPECT_EQ(ReadAll(Marker()), script.string());
        EXPECT_FALSE(fs::exists(m_home.Path() / "pwned"));
        fs::remove(Marker());
    }

    FreshHome m_home;
    std::unique_ptr<ProcessStarter> m_processes = CreateSystemProcessStarter();
};

TEST_F(AwkwardPathsTest, AnExecutionRowSavedAndLoadedStartsExactlyTheFileItNames)
{
    LinuxFileSystem files;
    FakeServices fakes;
    fakes.files = &files;
    const Services services = fakes.Get();
    ProgramState state;
    SchedulerPage page(state, services);
    const auto choose = [&page](const QString& item) {
        for (QAction* action : page.findChild<QMenu*>(u"执行菜单"_s)->actions()) {
            if (action->text() == item)
                action->trigger();
        }
    };

    std::vector<fs::path> scripts;
    for (const std::string& name : kAwkwardNames) {
        scripts.push_back(ShellScript(name, ".sh"));
        page.DroppedPathBox()->setText(FromNativePath(scripts.back().native()));
        page.findChild<QPushButton*>(u"按钮7"_s)->click();
    }
    ModalAnswers answers;
    choose(u"保存"_s);
    choose(u"删除全部"_s);
    choose(u"读取"_s);

    QTreeWidget* list = page.ExecutionList();
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(scripts.size()));
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        SCOPED_TRACE(scripts[static_cast<std::size_t>(row)]);
        // As the clock starts a due row.
        const NativePath commandLine = ToNativePath(list->topLevelItem(row)->text(SchedulerPage::CommandLineColumn));
        ASSERT_TRUE(m_processes->StartProgram(commandLine, WindowShow::Hidden));
        ExpectOnlyThisRan(scripts[static_cast<std::size_t>(row)]);
    }
}

TEST_F(AwkwardPathsTest, APathWithALineBreakNeverBecomesAnExecutionRow)
{
    FakeServices fakes;
    const Services services = fakes.Get();
    ProgramState state;
    SchedulerPage page(state, services);
    for (const std::string& name : kLineBreakNames) {
        // Once saved, what follows the break would read as a row of its own.
        page.DroppedPathBox()->setText(QString::fromStdString("/tmp/" + name + "\r\n2=2030年1月1日，evil"));
        page.findChild<QPushButton*>(u"按钮7"_s)->click();
    }
    EXPECT_EQ(page.ExecutionList()->topLevelItemCount(), 0);
}

TEST_F(AwkwardPathsTest, APythonScriptDroppedOnThePageRunsAsItselfWhateverItsName)
{
    FakeServices fakes;
    fakes.processes = m_processes.get();
    ProgramState state;
    MainWindow window(state, fakes.Get());
    window.MainWindowCreated();
    window.ShowPage(MainWindow::PyRunPageIndex);
    window.findChild<QPushButton*>(u"按钮10"_s)->click(); // hidden, without a terminal

    std::vector<std::string> names = kAwkwardNames;
    names.insert(names.end(), kLineBreakNames.begin(), kLineBreakNames.end());
    for (const std::string& name : names) {
        const fs::path folder = m_home.Path() / ("py " + name);
        fs::create_directories(folder);
        const fs::path script = folder / (name + ".py");
        std::ofstream(script) << "import sys\nopen(" << '"' << Marker().string() << '"'
                              << ", 'w', encoding='utf-8', errors='surrogateescape').write(sys.argv[0])\n";
        SCOPED_TRACE(script);
        window.DroppedFileRouting(FromNativePath(script.native()));
        ExpectOnlyThisRan(script);
    }
}

} // namespace
} // namespace velmora
