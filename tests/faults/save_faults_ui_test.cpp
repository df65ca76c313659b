// The two lists report a save that the disk refused with "保存失败" and keep both the file and
// their rows; the settings file fails silently, as every other failure does.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "app/theme.h"
#include "batch/batch_folder.h"
#include "fakes/disk_faults.h"
#include "fakes/fake_services.h"
#include "fakes/fresh_home.h"
#include "fakes/modal_answers.h"
#include "memo/memo_page.h"
#include "platform/linux/linux_file_system.h"
#include "scheduler/execution_file.h"
#include "scheduler/scheduler_page.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;
namespace fs = std::filesystem;

const std::string kOldList = "[x]\r\n0=old\xA3\xACrow\r\n";

struct Fault
{
    const char* what;
    std::function<void(DiskFaults&)> inject;
};

const std::vector<Fault> kFaults = {
    {"the disk fills up half-way", [](DiskFaults& faults) { faults.FillDiskDuringWrite(1); }},
    {"the rename is refused", [](DiskFaults& faults) { faults.FailRenamesOnto(); }},
};

class SaveFaultsTest : public testing::Test
{
protected:
    // Saves through the menu item with the fault in place, then once more with a sound disk.
    void ExpectFailureThenSuccess(const fs::path& file, const std::function<void()>& save,
                                  const std::function<int()> rowCount)
    {
        for (const Fault& fault : kFaults) {
            SCOPED_TRACE(fault.what);
            m_home.Put(file, kOldList);
            const int rows = rowCount();
            {
                ModalAnswers answers;
                DiskFaults faults;
                fault.inject(faults);
                save();
                ASSERT_EQ(answers.seen.size(), 1u);
                EXPECT_EQ(answers.seen[0].title, u"提示信息："_s);
                EXPECT_EQ(answers.seen[0].text, u"保存失败"_s);
                EXPECT_EQ(answers.seen[0].icon, QMessageBox::Warning);
            }
            EXPECT_EQ(m_home.Read(file), kOldList);
            EXPECT_EQ(rowCount(), rows);

            ModalAnswers answers;
            save();
            ASSERT_EQ(answers.seen.size(), 1u);
            EXPECT_EQ(answers.seen[0].text, u"保存成功"_s);
            EXPECT_NE(m_home.Read(file), kOldList);
        }
    }

    FreshHome m_home;
    LinuxFileSystem m_files;
};

TEST_F(SaveFaultsTest, TheMemoListReportsAFailedSaveAndKeepsFileAndRows)
{
    MemoPage page(m_files, MemoFile(DocumentsFolder()));
    new QTreeWidgetItem(page.MemoList(), {u"0"_s, u"标题"_s, u"内容"_s});
    ExpectFailureThenSuccess(
        MemoFile(DocumentsFolder()), [&page] { page.SaveMemos(); },
        [&page] { return page.MemoList()->topLevelItemCount(); });
}

TEST_F(SaveFaultsTest, TheExecutionListReportsAFailedSaveAndKeepsFileAndRows)
{
    FakeServices fakes;
    fakes.files = &m_files;
    const Services services = fakes.Get();
    ProgramState state;
    SchedulerPage page(state, services);
    page.ExecutionList()->addTopLevelItem(new QTreeWidgetItem({u"1"_s, u"2030-01-01 00:00:00"_s, u"/bin/true"_s}));
    QMenu* menu = page.findChild<QMenu*>(u"执行菜单"_s);
    ASSERT_NE(menu, nullptr);
    QAction* saveItem = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == u"保存"_s)
            saveItem = action;
    }
    ASSERT_NE(saveItem, nullptr);
    ExpectFailureThenSuccess(
        ExecutionListFile(DataFolder()), [saveItem] { saveItem->trigger(); },
        [&page] { return page.ExecutionList()->topLevelItemCount(); });
}

TEST_F(SaveFaultsTest, AThemeTheDiskCannotStoreIsAppliedWithoutAnyMessage)
{
    const std::string oldSettings = "[x]\r\nkeep=1\r\n";
    m_home.Put(SettingsFile(), oldSettings);
    ProgramState state;
    RecordingSkinEngine loader;
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.what);
        ModalAnswers answers;
        DiskFaults faults;
        fault.inject(faults);
        ApplyTheme(
            3, [](int) { return ByteString("skin"); }, state, m_files, loader);
        QApplication::processEvents();
        EXPECT_TRUE(answers.seen.empty());
        EXPECT_EQ(m_home.Read(SettingsFile()), oldSettings);
    }
}

} // namespace
} // namespace velmora
