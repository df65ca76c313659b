// The writers of the program's own files against a disk that fails on purpose: whatever the
// fault, the previous content survives whole and no temporary file is left behind.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/ini_file.h"
#include "batch/batch_folder.h"
#include "fakes/disk_faults.h"
#include "memo/memo_file.h"
#include "platform/linux/linux_file_system.h"
#include "scheduler/execution_file.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const std::string kOldContent = "[s]\r\nkeep=this\r\nnumber=1\r\n";

struct Fault
{
    const char* what;
    std::function<void(DiskFaults&)> inject;
};

const std::vector<Fault> kWriteFaults = {
    {"the disk fills up half-way through the write", [](DiskFaults& faults) { faults.FillDiskDuringWrite(1); }},
    {"the disk is full", [](DiskFaults& faults) { faults.FillDisk(); }},
    {"flushing to the disk fails", [](DiskFaults& faults) { faults.FailFlushes(); }},
    {"the new file cannot take the old one's name", [](DiskFaults& faults) { faults.FailRenamesOnto(); }},
};

struct Writer
{
    const char* what;
    std::function<bool(FileSystem&, const fs::path&)> write;
};

const std::vector<Writer> kWriters = {
    {"settings", [](FileSystem& files, const fs::path& file) { return IniWrite(files, file, "s", "number", "2"); }},
    {"memo file",
     [](FileSystem& files, const fs::path& file) {
         return WriteMemos(files, file, {{"0", "title", std::string(100000, 'x')}});
     }},
    {"execution list",
     [](FileSystem& files, const fs::path& file) {
         return files.WriteFile(file, ExecutionFileBytes({{u"0", u"2030-01-01 00:00:00", u"/bin/true"}}));
     }},
};

std::vector<std::string> NamesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(FileFaults, AFailedWriteKeepsTheOldContentWholeAndLeavesNoTemporaryFile)
{
    for (const Writer& writer : kWriters) {
        for (const Fault& fault : kWriteFaults) {
            SCOPED_TRACE(std::string(writer.what) + ": " + fault.what);
            BatchFolder folder;
            folder.Put("file.ini", kOldContent);
            LinuxFileSystem files;
            {
                DiskFaults faults;
                fault.inject(faults);
                EXPECT_FALSE(writer.write(files, folder / "file.ini"));
            }
            EXPECT_EQ(folder.Read("file.ini"), kOldContent);
            EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"file.ini"});
            // Once the disk is well again the same write goes through.
            EXPECT_TRUE(writer.write(files, folder / "file.ini"));
            EXPECT_NE(folder.Read("file.ini"), kOldContent);
        }
    }
}

TEST(FileFaults, AFileThatCannotBeReadIsNeitherLoadedNorOverwrittenBySettings)
{
    BatchFolder folder;
    folder.Put("settings.ini", kOldContent);
    folder.Put("memo.ini", "[x]\r\n0=a\xA3\xAC"
                           "b\r\n");
    LinuxFileSystem files;
    DiskFaults faults;
    faults.FailReadsOf(".ini");

    EXPECT_EQ(files.ReadFile(folder / "settings.ini"), std::nullopt);
    EXPECT_EQ(IniRead(files, folder / "settings.ini", "s", "keep"), "");
    EXPECT_TRUE(ReadMemos(files, folder / "memo.ini").empty());
    // Writing one key would otherwise replace every other line of the file with it.
    EXPECT_FALSE(IniWrite(files, folder / "settings.ini", "s", "number", "2"));
    EXPECT_EQ(folder.Read("settings.ini"), kOldContent);
}

} // namespace
} // namespace velmora
