#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch/batch_folder.h"
#include "batch/folder_listing.h"
#include "platform/linux/linux_folder_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class FolderFilesTest : public testing::Test
{
protected:
    std::vector<NativePath> List(NativePathView folder, NativePathView pattern, ListedAs listedAs)
    {
        std::vector<NativePath> list{"left over"};
        const int count = ListFolderFiles(m_folderFiles, folder, pattern, list, listedAs, [this] { ++m_pumps; });
        EXPECT_EQ(count, static_cast<int>(list.size()));
        return list;
    }

    static std::vector<NativePath> Sorted(std::vector<NativePath> list)
    {
        std::sort(list.begin(), list.end());
        return list;
    }

    BatchFolder m_folder;
    LinuxFolderFiles m_folderFiles;
    int m_pumps = 0;
};

TEST_F(FolderFilesTest, ListsMatchingFilesButNoFolderWithOrWithoutTheSeparator)
{
    m_folder.Put("a.txt", "a");
    m_folder.Put("B.TXT", "b");
    m_folder.Put("c.md", "c");
    m_folder.Put("表😀.txt", "d");
    m_folder.Put("sub.txt/inner.txt", "e");
    fs::create_symlink(m_folder / "sub.txt", m_folder / "link.txt");
    const NativePath root = m_folder.Path().native();

    const std::vector<NativePath> expected = {root + "/B.TXT", root + "/a.txt", root + "/表😀.txt"};
    EXPECT_EQ(Sorted(List(root, "*.txt", ListedAs::FullPaths)), expected);
    EXPECT_EQ(m_pumps, 3);
    EXPECT_EQ(List(root + "/", "*.txt", ListedAs::FullPaths), List(root, "*.txt", ListedAs::FullPaths));
    const std::vector<NativePath> names = {"B.TXT", "a.txt", "c.md", "表😀.txt"};
    EXPECT_EQ(Sorted(List(root, "*.*", ListedAs::BareNames)), names);
}

TEST_F(FolderFilesTest, AFolderThatIsMissingOrHoldsOnlyFoldersListsNothing)
{
    fs::create_directory(m_folder / "only");
    EXPECT_TRUE(List((m_folder / "missing").native(), "*.*", ListedAs::FullPaths).empty());
    EXPECT_TRUE(List(m_folder.Path().native(), "*.*", ListedAs::FullPaths).empty());
    EXPECT_EQ(m_pumps, 0);
}

TEST_F(FolderFilesTest, AMoveNeverReplacesAnExistingFile)
{
    m_folder.Put("a", "first");
    m_folder.Put("b", "second");
    EXPECT_FALSE(m_folderFiles.MoveFile(m_folder / "a", m_folder / "b"));
    EXPECT_EQ(m_folder.Read("a"), "first");
    EXPECT_EQ(m_folder.Read("b"), "second");
    EXPECT_FALSE(m_folderFiles.MoveFile(m_folder / "a", m_folder.Path().native() + "//a"));
    EXPECT_EQ(m_folder.Read("a"), "first");
    EXPECT_TRUE(m_folderFiles.MoveFile(m_folder / "a", m_folder / "表😀"));
    EXPECT_EQ(m_folder.Read("表😀"), "first");
    EXPECT_FALSE(m_folder.Has("a"));
}

TEST_F(FolderFilesTest, DeletionSparesFoldersAndFilesTheUserMayNotWrite)
{
    m_folder.Put("gone", "x");
    m_folder.Put("kept", "x");
    fs::create_directory(m_folder / "folder");
    fs::permissions(m_folder / "kept", fs::perms::owner_read);
    EXPECT_TRUE(m_folderFiles.DeleteFile(m_folder / "gone"));
    EXPECT_FALSE(m_folderFiles.DeleteFile(m_folder / "folder"));
    EXPECT_FALSE(m_folder.Has("gone"));
    EXPECT_TRUE(m_folder.Has("folder"));
    EXPECT_FALSE(m_folderFiles.DeleteFile(m_folder / "kept"));
    EXPECT_TRUE(m_folder.Has("kept"));
}

TEST_F(FolderFilesTest, FileTimesChangeOnlyWhereGiven)
{
    m_folder.Put("f", "x");
    m_folder.SetStamps("f", 1000000000, 1100000000);
    ASSERT_TRUE(
        m_folderFiles.SetFileTimes(m_folder / "f", std::nullopt, std::nullopt, LocalTime{2009, 11, 15, 15, 15, 15}));
    const auto [access, modification] = m_folder.Stamps("f");
    std::tm local{};
    localtime_r(&modification, &local);
    EXPECT_EQ(local.tm_year, 109);
    EXPECT_EQ(local.tm_mon, 10);
    EXPECT_EQ(local.tm_mday, 15);
    EXPECT_EQ(local.tm_hour, 15);
    EXPECT_EQ(local.tm_min, 15);
    EXPECT_EQ(access, 1000000000);
    EXPECT_FALSE(
        m_folderFiles.SetFileTimes(m_folder / "missing", std::nullopt, std::nullopt, LocalTime{2009, 11, 15, 0, 0, 0}));
}

// While a run holds its folder, files in it are named relative to it; files elsewhere (a
// sub-folder, a folder whose name begins alike) must still be found by their whole path.
TEST_F(FolderFilesTest, WhileAFolderIsHeldEveryPathNamesItsOwnFile)
{
    const std::string held = (m_folder / "held").native();
    for (const std::string& holdText : {held, held + "/", held + "//"}) {
        SCOPED_TRACE(holdText);
        fs::remove_all(m_folder / "held");
        fs::remove_all(m_folder / "held2");
        m_folder.Put("held/a", "a");
        m_folder.Put("held/d", "d");
        m_folder.Put("held/sub/b", "b");
        m_folder.Put("held2/c", "c");
        const std::unique_ptr<FolderHold> hold = m_folderFiles.HoldFolder(holdText);

        EXPECT_TRUE(m_folderFiles.MoveFile(m_folder / "held/a", m_folder / "held/sub/a"));
        EXPECT_TRUE(m_folderFiles.MoveFile(m_folder / "held2/c", m_folder / "held2/c2"));
        EXPECT_TRUE(m_folderFiles.DeleteFile(m_folder / "held/sub/b"));
        EXPECT_TRUE(m_folderFiles.SetFileTimes(m_folder / "held/d", std::nullopt, LocalTime{2001, 2, 3, 4, 5, 6},
                                               std::nullopt));
        EXPECT_TRUE(m_folderFiles.MoveFile(m_folder / "held/d", m_folder / "held/e"));

        EXPECT_EQ(m_folder.Read("held/sub/a"), "a");
        EXPECT_EQ(m_folder.Read("held2/c2"), "c");
        EXPECT_FALSE(m_folder.Has("held/sub/b"));
        EXPECT_EQ(m_folder.Read("held/e"), "d");
        EXPECT_FALSE(m_folder.Has("held/a") || m_folder.Has("held2/c") || m_folder.Has("held/d"));
    }
    // Without a hold the whole paths serve as before.
    EXPECT_TRUE(m_folderFiles.DeleteFile(m_folder / "held/e"));
    EXPECT_FALSE(m_folder.Has("held/e"));
}

} // namespace
} // namespace velmora
