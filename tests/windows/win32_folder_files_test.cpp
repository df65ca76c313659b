#include "platform/windows/win32_folder_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>
#include <windows.h>
// windows.h makes these names macros for the API's W functions, which would rename the methods.
#undef DeleteFile
#undef MoveFile

#include <gtest/gtest.h>

#include "batch/folder_listing.h"
#include "scratch_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

SYSTEMTIME LocalSystemTime(const FILETIME& universal)
{
    FILETIME local{};
    SYSTEMTIME time{};
    EXPECT_TRUE(FileTimeToLocalFileTime(&universal, &local));
    EXPECT_TRUE(FileTimeToSystemTime(&local, &time));
    return time;
}

class Win32FolderFilesTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.Path().empty()); }

    fs::path At(const std::wstring& name) const { return m_folder.Path() / name; }

    void Put(const std::wstring& name, const std::string& bytes) const
    {
        fs::create_directories(At(name).parent_path());
        std::ofstream(At(name), std::ios::binary) << bytes;
    }

    std::string Read(const std::wstring& name) const
    {
        std::ifstream in(At(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::vector<NativePath> List(const NativePath& folder, const NativePath& pattern, ListedAs listedAs)
    {
        std::vector<NativePath> list{L"left over"};
        const int count = ListFolderFiles(m_folderFiles, folder, pattern, list, listedAs, [this] { ++m_pumps; });
        EXPECT_EQ(count, static_cast<int>(list.size()));
        std::sort(list.begin(), list.end());
        return list;
    }

    ScratchFolder m_folder{"velmora-win32-files"};
    Win32FolderFiles m_folderFiles;
    int m_pumps = 0;
};

TEST_F(Win32FolderFilesTest, ListsMatchingFilesButNoFolderWithOrWithoutTheSeparator)
{
    Put(L"a.txt", "a");
    Put(L"B.TXT", "b");
    Put(L"c.md", "c");
    Put(L"noext", "d");
    Put(L"表😀.txt", "e");
    Put(L"sub.txt\\inner.txt", "f");
    SetFileAttributesW(At(L"c.md").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    const NativePath root = m_folder.Path().native();

    const std::vector<NativePath> expected = {root + L"\\B.TXT", root + L"\\a.txt", root + L"\\表😀.txt"};
    EXPECT_EQ(List(root, L"*.txt", ListedAs::FullPaths), expected);
    EXPECT_EQ(m_pumps, 3);
    EXPECT_EQ(List(root + L"\\", L"*.txt", ListedAs::FullPaths), expected);
    const std::vector<NativePath> names = {L"B.TXT", L"a.txt", L"c.md", L"noext", L"表😀.txt"};
    EXPECT_EQ(List(root, L"*.*", ListedAs::BareNames), names);
    EXPECT_EQ(List(root, L"*.", ListedAs::BareNames), std::vector<NativePath>{L"noext"});
    SetFileAttributesW(At(L"c.md").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32FolderFilesTest, AFolderThatIsMissingOrHoldsOnlyFoldersListsNothing)
{
    fs::create_directory(At(L"only"));
    EXPECT_TRUE(List(At(L"missing").native(), L"*.*", ListedAs::FullPaths).empty());
    EXPECT_TRUE(List(m_folder.Path().native(), L"*.*", ListedAs::FullPaths).empty());
    EXPECT_EQ(m_pumps, 0);
}

TEST_F(Win32FolderFilesTest, AMoveNeverReplacesAnExistingFile)
{
    Put(L"a", "first");
    Put(L"b", "second");
    EXPECT_FALSE(m_folderFiles.MoveFile(At(L"a"), At(L"b")));
    EXPECT_EQ(Read(L"a"), "first");
    EXPECT_EQ(Read(L"b"), "second");
    // The same file under a doubled separator: whatever the answer, the file stays.
    m_folderFiles.MoveFile(At(L"a"), m_folder.Path().native() + L"\\\\a");
    EXPECT_EQ(Read(L"a"), "first");
    fs::create_directory(At(L"sub"));
    EXPECT_TRUE(m_folderFiles.MoveFile(At(L"a"), At(L"sub\\表😀")));
    EXPECT_EQ(Read(L"sub\\表😀"), "first");
    EXPECT_FALSE(fs::exists(At(L"a")));
}

TEST_F(Win32FolderFilesTest, DeletionSparesFoldersAndReadOnlyFiles)
{
    Put(L"gone", "x");
    Put(L"kept", "x");
    fs::create_directory(At(L"folder"));
    ASSERT_TRUE(SetFileAttributesW(At(L"kept").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(m_folderFiles.DeleteFile(At(L"gone")));
    EXPECT_FALSE(m_folderFiles.DeleteFile(At(L"folder")));
    EXPECT_FALSE(m_folderFiles.DeleteFile(At(L"kept")));
    EXPECT_FALSE(fs::exists(At(L"gone")));
    EXPECT_TRUE(fs::exists(At(L"folder")));
    EXPECT_TRUE(fs::exists(At(L"kept")));
    SetFileAttributesW(At(L"kept").c_str(), FILE_ATTRIBUTE_NORMAL);
}

struct FileTimes
{
    FILETIME creation{};
    FILETIME access{};
    FILETIME modification{};
};

FileTimes TimesOf(const fs::path& path)
{
    FileTimes times;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    if (file != INVALID_HANDLE_VALUE) {
        GetFileTime(file, &times.creation, &times.access, &times.modification);
        CloseHandle(file);
    }
    return times;
}

TEST_F(Win32FolderFilesTest, FileTimesChangeOnlyWhereGiven)
{
    Put(L"f", "x");
    const FileTimes before = TimesOf(At(L"f"));
    ASSERT_TRUE(m_folderFiles.SetFileTimes(At(L"f"), std::nullopt, std::nullopt, LocalTime{2010, 1, 2, 3, 4, 5}));
    const FileTimes after = TimesOf(At(L"f"));
    const SYSTEMTIME modification = LocalSystemTime(after.modification);
    EXPECT_EQ(modification.wYear, 2010);
    EXPECT_EQ(modification.wMonth, 1);
    EXPECT_EQ(modification.wDay, 2);
    EXPECT_EQ(modification.wHour, 3);
    EXPECT_EQ(modification.wMinute, 4);
    EXPECT_EQ(modification.wSecond, 5);
    EXPECT_EQ(CompareFileTime(&after.access, &before.access), 0);
    EXPECT_FALSE(
        m_folderFiles.SetFileTimes(At(L"missing"), LocalTime{2009, 11, 15, 0, 0, 0}, std::nullopt, std::nullopt));
}

TEST_F(Win32FolderFilesTest, TheCreationTimeIsSetWhereTheFileSystemKeepsOne)
{
    Put(L"f", "x");
    ASSERT_TRUE(m_folderFiles.SetFileTimes(At(L"f"), std::nullopt, std::nullopt, LocalTime{2010, 1, 2, 3, 4, 5}));
    const FileTimes probe = TimesOf(At(L"f"));
    if (CompareFileTime(&probe.creation, &probe.modification) == 0)
        GTEST_SKIP() << "this file system reports the modification time as the creation time (as Wine does)";

    ASSERT_TRUE(m_folderFiles.SetFileTimes(At(L"f"), LocalTime{2009, 11, 15, 15, 15, 15}, std::nullopt, std::nullopt));
    const FileTimes after = TimesOf(At(L"f"));
    const SYSTEMTIME creation = LocalSystemTime(after.creation);
    EXPECT_EQ(creation.wYear, 2009);
    EXPECT_EQ(creation.wMonth, 11);
    EXPECT_EQ(creation.wDay, 15);
    EXPECT_EQ(creation.wHour, 15);
    EXPECT_EQ(creation.wMinute, 15);
    EXPECT_EQ(creation.wSecond, 15);
    EXPECT_EQ(CompareFileTime(&after.modification, &probe.modification), 0);
}

TEST_F(Win32FolderFilesTest, QuickRewritesReplaceTheWholeContent)
{
    Put(L"w.txt", "old and longer");
    EXPECT_TRUE(m_folderFiles.WriteFile(At(L"w.txt"), "new"));
    EXPECT_EQ(Read(L"w.txt"), "new");
    EXPECT_FALSE(m_folderFiles.WriteFile(At(L"missing\\w.txt"), "x"));
}

} // namespace
} // namespace velmora
