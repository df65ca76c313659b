// Batch runs on a real folder whose disk fails for one file, or loses one after the listing: the
// file in trouble keeps what it had, and the run goes on with the next one to the end.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "batch/batch_engine.h"
#include "batch/batch_folder.h"
#include "fakes/disk_faults.h"
#include "fakes/vanishing_folder_files.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_folder_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class LastProgress final : public BatchProgress
{
public:
    void PumpMessages() override {}
    void Progress(int k, int n) override { last = {k, n}; }

    std::pair<int, int> last;
};

class BatchFaultsTest : public testing::Test
{
protected:
    void Run(BatchMode mode, const std::string& type, const std::string& third = {}, const std::string& fourth = {},
             const std::string& folder = {})
    {
        BatchTools tools{m_files, m_vanishing, m_progress};
        RunBatch(BatchInputs{mode, folder.empty() ? m_folder.Path().string() : folder, type, third, fourth}, tools);
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_folder.Path()))
            names.push_back(fs::relative(entry.path(), m_folder.Path()).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::vector<std::string> Contents(const std::vector<std::string>& names) const
    {
        std::vector<std::string> contents;
        for (const std::string& name : names)
            contents.push_back(m_folder.Read(name));
        return contents;
    }

    BatchFolder m_folder;
    LinuxFileSystem m_files;
    LinuxFolderFiles m_folderFiles;
    VanishingFolderFiles m_vanishing{m_folderFiles};
    LastProgress m_progress;
    DiskFaults m_faults;
};

TEST_F(BatchFaultsTest, ReplacingGoesOnPastAFileTheFullDiskRefused)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        m_folder.Put(name, "old text");
    m_faults.FillDiskDuringWrite(2);
    Run(BatchMode::ReplaceContent, "txt", "old", "new");

    std::vector<std::string> contents = Contents({"a.txt", "b.txt", "c.txt"});
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"new text", "new text", "old text"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(m_progress.last, std::make_pair(3, 3));
}

TEST_F(BatchFaultsTest, GeneratingGoesOnPastAFileTheFullDiskRefused)
{
    m_faults.FillDiskDuringWrite(2);
    Run(BatchMode::Generate, "txt", "3", "content");
    EXPECT_EQ(Names(), (std::vector<std::string>{"1.txt", "3.txt"}));
    EXPECT_EQ(Contents({"1.txt", "3.txt"}), (std::vector<std::string>{"content", "content"}));
}

TEST_F(BatchFaultsTest, MergingLeavesOutAnUnreadableDocumentAndKeepsTheOldSummaryWhenItCannotBeReplaced)
{
    m_folder.Put("a.txt", "A");
    m_folder.Put("b.txt", "B");
    m_folder.Put("c.txt", "C");
    m_faults.FailReadsOf("b.txt");
    Run(BatchMode::Merge, "txt", {}, "head:");
    const std::string summary = m_folder.Read("汇总.txt");
    EXPECT_EQ(summary.find('B'), std::string::npos);
    EXPECT_NE(summary.find('A'), std::string::npos);
    EXPECT_NE(summary.find('C'), std::string::npos);

    m_faults.FailRenamesOnto("汇总.txt");
    Run(BatchMode::Merge, "txt", {}, "again:");
    EXPECT_EQ(m_folder.Read("汇总.txt"), summary);
}

// The summary goes to the disk piece by piece while the sources are read; a failure at any
// point keeps the old summary whole and leaves no partial file behind.
TEST_F(BatchFaultsTest, AMergeThatFailsPartWayKeepsTheOldSummaryWhole)
{
    struct Fault
    {
        const char* what;
        std::function<void(DiskFaults&)> inject;
    };
    const std::vector<Fault> faults = {
        // the heading is the first write, each source one more
        {"the disk fills up within the third piece", [](DiskFaults& disk) { disk.FillDiskDuringWrite(3); }},
        {"the disk is full", [](DiskFaults& disk) { disk.FillDisk(); }},
        {"the summary cannot take the old one's name", [](DiskFaults& disk) { disk.FailRenamesOnto("汇总.txt"); }},
    };
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        m_folder.Put(name, std::string(100000, name[0]));
    Run(BatchMode::Merge, "txt", {}, "head:");
    const std::string summary = m_folder.Read("汇总.txt");
    ASSERT_EQ(summary.size(), 300005u);

    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        DiskFaults disk;
        fault.inject(disk);
        Run(BatchMode::Merge, "txt", {}, "again:");
        EXPECT_EQ(m_folder.Read("汇总.txt"), summary);
        EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "汇总.txt"}));
        EXPECT_EQ(m_progress.last, std::make_pair(4, 4));
    }
}

TEST_F(BatchFaultsTest, SplittingWritesEveryKeyFileButTheOneThatCannotBeReplaced)
{
    m_folder.Put("doc.txt", "K1 a b\r\nK2 c\r\n");
    m_folder.Put("K1.TXT", "before\r\n");
    m_faults.FailRenamesOnto("K1.TXT");
    Run(BatchMode::Split, {}, {}, {}, (m_folder / "doc.txt").string());
    EXPECT_EQ(m_folder.Read("K1.TXT"), "before\r\n");
    EXPECT_EQ(m_folder.Read("K2.TXT"), "K2\r\nc\r\n");
}

TEST_F(BatchFaultsTest, MovesGoOnPastAFileThatCannotBeMoved)
{
    m_folder.Put("x.md", "x");
    m_folder.Put("y.txt", "y");
    m_faults.FailRenamesOnto("x.md");
    Run(BatchMode::SortByExtension, {});
    EXPECT_EQ(Names(), (std::vector<std::string>{".md", ".txt", ".txt/y.txt", "x.md"}));
    EXPECT_EQ(m_progress.last, std::make_pair(2, 2));
}

TEST_F(BatchFaultsTest, AFileThatVanishesAfterTheListingIsPassedOverInEveryMode)
{
    struct Case
    {
        BatchMode mode;
        std::string third;
        std::string fourth;
        std::vector<std::string> namesAfter;
    };
    const std::vector<Case> cases = {
        {BatchMode::RenameNumbered, "n", {}, {}},
        {BatchMode::NewExtension, "md", {}, {"a.md", "c.md"}},
        {BatchMode::Delete, {}, {}, {}},
        {BatchMode::Merge, {}, {}, {"a.txt", "c.txt", "汇总.txt"}},
        {BatchMode::SortByExtension, {}, {}, {".txt", ".txt/a.txt", ".txt/c.txt"}},
        {BatchMode::FileTimes, "", "2001-02-03 04:05:06", {"a.txt", "c.txt"}},
        {BatchMode::ReplaceContent, "text", "words", {"a.txt", "c.txt"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.mode));
        for (const fs::directory_entry& entry : fs::directory_iterator(m_folder.Path()))
            fs::remove_all(entry.path());
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            m_folder.Put(name, "some text");
        m_vanishing.vanishing = {m_folder / "b.txt"};
        const std::string type =
            test.mode == BatchMode::SortByExtension || test.mode == BatchMode::FileTimes ? "" : "txt";
        Run(test.mode, type, test.third, test.fourth);

        // The vanished file is not made up again. Numbers follow the listing's order, so which
        // two of the three numbers are given depends on where b was listed.
        const std::vector<std::string> names = Names();
        if (test.mode == BatchMode::RenameNumbered) {
            EXPECT_EQ(names.size(), 2u);
            for (const std::string& name : names)
                EXPECT_TRUE(name == "n1.txt" || name == "n2.txt" || name == "n3.txt") << name;
        } else {
            EXPECT_EQ(names, test.namesAfter);
        }
        EXPECT_EQ(m_progress.last, std::make_pair(3, 3));
    }
}

} // namespace
} // namespace velmora
