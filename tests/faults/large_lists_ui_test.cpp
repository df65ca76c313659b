// Memo and execution files of 100,000 rows load whole into their lists. The time each load took
// is recorded with the test's results (no bound is asserted: speed is for benchmarks).
#include <chrono>
#include <functional>
#include <string>

#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "fakes/fake_services.h"
#include "fakes/fresh_home.h"
#include "memo/memo_file.h"
#include "memo/memo_page.h"
#include "platform/linux/linux_file_system.h"
#include "scheduler/execution_file.h"
#include "scheduler/scheduler_page.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kRows = 100000;

void RecordMilliseconds(const char* what, const std::function<void()>& load)
{
    const auto start = std::chrono::steady_clock::now();
    load();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    testing::Test::RecordProperty(
        what, static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

TEST(LargeLists, AMemoFileOfAHundredThousandRowsLoadsWhole)
{
    FreshHome home;
    LinuxFileSystem files;
    std::vector<MemoNote> notes;
    for (int i = 0; i < kRows; ++i)
        notes.push_back({std::to_string(i), "title " + std::to_string(i), "\xC4\xDA\xC8\xDD " + std::string(40, 'x')});
    ASSERT_TRUE(WriteMemos(files, MemoFile(DocumentsFolder()), notes));

    MemoPage page(files, MemoFile(DocumentsFolder()));
    RecordMilliseconds("memo_load_ms", [&page] { page.LoadMemos(); });
    ASSERT_EQ(page.MemoList()->topLevelItemCount(), kRows);
    const QTreeWidgetItem* last = page.MemoList()->topLevelItem(kRows - 1);
    EXPECT_EQ(last->text(1), u"title 99999"_s);
    EXPECT_TRUE(last->text(2).startsWith(u"内容 "_s));
}

TEST(LargeLists, AnExecutionFileOfAHundredThousandRowsLoadsWhole)
{
    FreshHome home;
    LinuxFileSystem files;
    std::vector<ExecutionRow> rows;
    for (int i = 0; i < kRows; ++i) {
        const std::string number = std::to_string(i + 1);
        rows.push_back({std::u16string(number.begin(), number.end()), u"2030年1月1日",
                        u"/opt/job " + std::u16string(number.begin(), number.end())});
    }
    ASSERT_TRUE(files.WriteFile(ExecutionListFile(DataFolder()), ExecutionFileBytes(rows)));

    FakeServices fakes;
    fakes.files = &files;
    const Services services = fakes.Get();
    ProgramState state;
    SchedulerPage page(state, services);
    RecordMilliseconds("execution_load_ms", [&page] { page.LoadExecutionList(); });
    ASSERT_EQ(page.ExecutionList()->topLevelItemCount(), kRows);
    EXPECT_EQ(page.ExecutionList()->topLevelItem(kRows - 1)->text(2), u"/opt/job 100000"_s);
}

} // namespace
} // namespace velmora
