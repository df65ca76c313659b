#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

#include "batch/batch_engine.h"
#include "platform/windows/win32_file_system.h"
#include "platform/windows/win32_folder_files.h"
#include "scratch_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class CountingProgress final : public BatchProgress
{
public:
    void PumpMessages() override {}
    void Progress(int k, int n) override { last = {k, n}; }

    std::pair<int, int> last;
};

std::string Utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Batch runs on a real folder through the Windows services, with the folder typed as the user
// types it: backslashes, with or without one at the end.
class Win32BatchTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.Path().empty()); }

    void Run(BatchMode mode, const std::string& folder, const std::string& type, const std::string& third = {},
             const std::string& fourth = {})
    {
        BatchTools tools{m_files, m_folderFiles, m_progress};
        RunBatch(BatchInputs{mode, folder, type, third, fourth}, tools);
    }

    void Put(const std::wstring& name, const std::string& bytes = "x") const
    {
        std::ofstream(m_folder.Path() / name, std::ios::binary) << bytes;
    }

    std::vector<std::wstring> Names(const fs::path& folder) const
    {
        std::vector<std::wstring> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().native());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::wstring> Names() const { return Names(m_folder.Path()); }

    std::string Folder() const { return Utf8(m_folder.Path()); }

    ScratchFolder m_folder{"velmora-win32-batch"};
    Win32FileSystem m_files;
    Win32FolderFiles m_folderFiles;
    CountingProgress m_progress;
};

TEST_F(Win32BatchTest, NumberedNamesFollowTheListingAndSkipOtherTypes)
{
    Put(L"a.txt");
    Put(L"b.txt");
    Put(L"c.md");
    Run(BatchMode::RenameNumbered, Folder(), "txt", "p");
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"c.md", L"p1.txt", L"p2.txt"}));
    EXPECT_EQ(m_progress.last, std::make_pair(2, 2));

    Run(BatchMode::RenameNumbered, Folder() + "\\", "txt", "q?");
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"c.md", L"p1.txt", L"p2.txt"}));
}

TEST_F(Win32BatchTest, NewExtensionsReplaceOnlyTheLastOne)
{
    Put(L"a.b.txt");
    Put(L"c.txt");
    Put(L"d.md");
    Run(BatchMode::NewExtension, Folder(), "txt", "md");
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"a.b.md", L"c.md", L"d.md"}));
}

TEST_F(Win32BatchTest, SortingMovesFilesIntoOneFolderPerExtension)
{
    Put(L"a.txt");
    Put(L"b.txt");
    Put(L"c");
    Put(L"表.数据");
    Run(BatchMode::SortByExtension, Folder(), "");
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L".txt", L".数据", L"c"}));
    EXPECT_EQ(Names(m_folder.Path() / L".txt"), (std::vector<std::wstring>{L"a.txt", L"b.txt"}));
    EXPECT_EQ(Names(m_folder.Path() / L".数据"), (std::vector<std::wstring>{L"表.数据"}));
}

TEST_F(Win32BatchTest, DeletionTakesEveryFileButNoFolder)
{
    Put(L"a.txt");
    Put(L"b");
    fs::create_directory(m_folder.Path() / L"sub");
    Run(BatchMode::Delete, Folder(), "");
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"sub"});
}

TEST_F(Win32BatchTest, GeneratedFilesGetNumbersAndTheContent)
{
    const fs::path folder = m_folder.Path() / L"生成";
    fs::create_directory(folder);
    Run(BatchMode::Generate, Utf8(folder), "txt", "2", "内容");
    EXPECT_EQ(Names(folder), (std::vector<std::wstring>{L"1.txt", L"2.txt"}));
    std::ifstream in(folder / L"2.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "内容");
}

TEST_F(Win32BatchTest, FileTimesComeFromTheTimeTextsAndAnUnreadableTextLeavesItsTime)
{
    Put(L"a.txt");
    const auto before = fs::last_write_time(m_folder.Path() / L"a.txt");
    Run(BatchMode::FileTimes, Folder(), "2009-11-15 15:15:15", "not a time", "");
    EXPECT_EQ(fs::last_write_time(m_folder.Path() / L"a.txt"), before);

    Run(BatchMode::FileTimes, Folder(), "", "2010-01-02 03:04:05", "");
    HANDLE file = CreateFileW((m_folder.Path() / L"a.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME modification{};
    GetFileTime(file, nullptr, nullptr, &modification);
    CloseHandle(file);
    FILETIME local{};
    SYSTEMTIME time{};
    ASSERT_TRUE(FileTimeToLocalFileTime(&modification, &local));
    ASSERT_TRUE(FileTimeToSystemTime(&local, &time));
    EXPECT_EQ(time.wYear, 2010);
    EXPECT_EQ(time.wMonth, 1);
    EXPECT_EQ(time.wDay, 2);
    EXPECT_EQ(time.wHour, 3);
    EXPECT_EQ(time.wMinute, 4);
    EXPECT_EQ(time.wSecond, 5);
}

} // namespace
} // namespace velmora
