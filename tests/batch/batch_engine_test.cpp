#include "batch/batch_engine.h"

#include <algorithm>
#include <csignal>
#include <map>
#include <sys/resource.h>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "batch/batch_folder.h"
#include "batch/folder_listing.h"
#include "platform/code_page.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_folder_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class RecordingProgress final : public BatchProgress
{
public:
    void PumpMessages() override { ++pumps; }
    void Progress(int k, int n) override { updates.emplace_back(k, n); }

    int pumps = 0;
    std::vector<std::pair<int, int>> updates;
};

// Files cannot grow past a few kilobytes while it lives, as on a disk that is nearly full.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        struct sigaction ignore
        {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &m_savedAction);
        rlimit small = m_saved;
        small.rlim_cur = 4096;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        ::sigaction(SIGXFSZ, &m_savedAction, nullptr);
    }

private:
    rlimit m_saved{};
    struct sigaction m_savedAction
    {};
};

// Each run works on a real folder of its own through the real platform.
class BatchEngineTest : public testing::Test
{
protected:
    void Run(BatchMode mode, const std::string& type, const std::string& third = {}, const std::string& fourth = {})
    {
        RunIn(m_folder.Path().native(), mode, type, third, fourth);
    }

    void RunIn(const std::string& folder, BatchMode mode, const std::string& type, const std::string& third = {},
               const std::string& fourth = {})
    {
        BatchTools tools{m_files, m_folderFiles, m_progress};
        RunBatch(BatchInputs{mode, folder, type, third, fourth}, tools);
    }

    /// The names in the folder (files and folders), sorted.
    std::vector<std::string> Names(const fs::path& folder) const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().native());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> Names() const { return Names(m_folder.Path()); }

    /// The files of the folder in the order a run lists them.
    std::vector<NativePath> Listed(const std::string& pattern)
    {
        std::vector<NativePath> list;
        ListFolderFiles(m_folderFiles, m_folder.Path().native(), pattern, list, ListedAs::BareNames, {});
        return list;
    }

    BatchFolder m_folder;
    LinuxFileSystem m_files;
    LinuxFolderFiles m_folderFiles;
    RecordingProgress m_progress;
};

using NameList = std::vector<std::string>;

TEST_F(BatchEngineTest, RenamingNumbersTheMatchingFilesInListingOrder)
{
    for (const char* name : {"x.txt", "y.txt", "表😀.txt"})
        m_folder.Put(name, name);
    m_folder.Put("keep.md", "md");
    const std::vector<NativePath> order = Listed("*.txt");

    Run(BatchMode::RenameNumbered, "txt", "p");
    EXPECT_EQ(Names(), (NameList{"keep.md", "p1.txt", "p2.txt", "p3.txt"}));
    for (std::size_t k = 0; k < order.size(); ++k)
        EXPECT_EQ(m_folder.Read("p" + std::to_string(k + 1) + ".txt"), order[k]);
    EXPECT_EQ(m_progress.updates, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(m_progress.pumps, 3);
}

TEST_F(BatchEngineTest, RenamingLeavesAFileAloneWhoseNewNameExists)
{
    m_folder.Put("a.txt", "a");
    m_folder.Put("p1.txt", "old");
    m_folder.Put("p2.txt", "older");
    Run(BatchMode::RenameNumbered, "txt", "p");
    // Whatever the order, no file was replaced: three files with their three contents remain.
    std::vector<std::string> contents;
    for (const std::string& name : Names())
        contents.push_back(m_folder.Read(name));
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (NameList{"a", "old", "older"}));
}

TEST_F(BatchEngineTest, RenamingChangesNothingForABadPrefixOrARelativeFolder)
{
    m_folder.Put("a.txt", "a");
    Run(BatchMode::RenameNumbered, "txt", "p?");
    Run(BatchMode::RenameNumbered, "txt", "sub/p");
    EXPECT_EQ(Names(), (NameList{"a.txt"}));

    const fs::path before = fs::current_path();
    fs::current_path(m_folder.Path());
    RunIn(".", BatchMode::RenameNumbered, "txt", "p");
    fs::current_path(before);
    EXPECT_EQ(Names(), (NameList{"a.txt"}));
}

TEST_F(BatchEngineTest, RenamingWithoutTypeGivesNamesWithoutExtension)
{
    m_folder.Put("a.txt", "a");
    m_folder.Put("b", "b");
    Run(BatchMode::RenameNumbered, "", "n");
    EXPECT_EQ(Names(), (NameList{"n1", "n2"}));
}

TEST_F(BatchEngineTest, NewExtensionReplacesOnlyTheLastOne)
{
    m_folder.Put("a.txt", "a");
    m_folder.Put("a.b.txt", "ab");
    m_folder.Put("c.log", "c");
    Run(BatchMode::NewExtension, "txt", "md");
    EXPECT_EQ(Names(), (NameList{"a.b.md", "a.md", "c.log"}));
    for (const char* unusable : {"", "t xt"}) {
        Run(BatchMode::NewExtension, "md", unusable);
        EXPECT_EQ(Names(), (NameList{"a.b.md", "a.md", "c.log"})) << unusable;
    }
}

TEST_F(BatchEngineTest, GeneratingWritesTheContentIntoNumberedFiles)
{
    Run(BatchMode::Generate, "txt", "3", "hello 你好");
    EXPECT_EQ(Names(), (NameList{"1.txt", "2.txt", "3.txt"}));
    EXPECT_EQ(m_folder.Read("2.txt"), "hello 你好");
    EXPECT_EQ(m_progress.updates.back(), std::make_pair(3, 3));

    for (const char* count : {"0", "", "abc", "-2"}) {
        BatchFolder empty;
        RunIn(empty.Path().native(), BatchMode::Generate, "txt", count, "x");
        EXPECT_TRUE(Names(empty.Path()).empty()) << count;
    }
    BatchFolder twoPointNine;
    RunIn(twoPointNine.Path().native(), BatchMode::Generate, "", "2.9", "x");
    EXPECT_EQ(Names(twoPointNine.Path()), (NameList{"1", "2"}));
    RunIn((m_folder / "missing").native(), BatchMode::Generate, "txt", "1", "x");
    EXPECT_FALSE(m_folder.Has("missing"));
}

TEST_F(BatchEngineTest, GeneratingOverAnExistingFileKeepsItsPermissions)
{
    m_folder.Put("1.txt", "old");
    fs::permissions(m_folder / "1.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Run(BatchMode::Generate, "txt", "1", "new");
    EXPECT_EQ(m_folder.Read("1.txt"), "new");
    EXPECT_EQ(fs::status(m_folder / "1.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(BatchEngineTest, DeletingWithoutTypeRemovesEveryFileButNoFolder)
{
    m_folder.Put("a.txt", "a");
    m_folder.Put("b", "b");
    m_folder.Put("😀.md", "c");
    m_folder.Put("sub/inner.txt", "d");
    Run(BatchMode::Delete, "");
    EXPECT_EQ(Names(), (NameList{"sub"}));
    EXPECT_TRUE(m_folder.Has("sub/inner.txt"));
}

TEST_F(BatchEngineTest, MergingWritesTheTextsInListingOrderIntoTheSummary)
{
    m_folder.Put("a.txt", "ab");
    m_folder.Put("b.txt", "cd\0ignored");
    m_folder.Put("c.md", "not merged");
    std::string expected;
    for (const NativePath& name : Listed("*.txt"))
        expected += name == "a.txt" ? "ab" : "cd";

    Run(BatchMode::Merge, "txt");
    EXPECT_EQ(m_folder.Read("汇总.txt"), expected);
    // The summary matches the pattern itself, so a second run merges it too.
    std::string second;
    for (const NativePath& name : Listed("*.txt"))
        second += name == "a.txt" ? "ab" : name == "b.txt" ? "cd" : expected;
    Run(BatchMode::Merge, "txt");
    EXPECT_EQ(m_folder.Read("汇总.txt"), second);
}

TEST_F(BatchEngineTest, MergingNothingStillWritesAnEmptySummary)
{
    Run(BatchMode::Merge, "txt");
    EXPECT_EQ(Names(), (NameList{"汇总.txt"}));
    EXPECT_EQ(m_folder.Read("汇总.txt"), "");
    BatchFolder untyped;
    RunIn(untyped.Path().native(), BatchMode::Merge, "");
    EXPECT_EQ(Names(untyped.Path()), (NameList{"汇总"}));
}

// Sources of very different sizes pass through one reused buffer: each gives its own text
// whole, up to its first zero byte, however large the one before it was.
TEST_F(BatchEngineTest, MergingSourcesLargeAndSmallGivesEachTextWhole)
{
    const std::map<std::string, std::string> sources = {
        {"large.txt", std::string(300000, 'L')},
        {"small.txt", "s"},
        {"empty.txt", ""},
        {"zero.txt", std::string(70000, 'z') + std::string(1, '\0') + std::string(5000, 'y')},
    };
    for (const auto& [name, bytes] : sources)
        m_folder.Put(name, bytes);
    std::string expected = "head";
    for (const NativePath& name : Listed("*.txt"))
        expected += name == "zero.txt" ? std::string(70000, 'z') : sources.at(name);

    Run(BatchMode::Merge, "txt", {}, "head");
    EXPECT_EQ(m_folder.Read("汇总.txt"), expected);
}

TEST_F(BatchEngineTest, SplittingAppendsEachLinesWordsToItsKeyFile)
{
    m_folder.Put("doc.txt", "k1 a b\r\nk2 c\r\n\r\nk1 d\r\n");
    m_folder.Put("k2.TXT", "before\r\n");
    RunIn((m_folder / "doc.txt").native(), BatchMode::Split, "txt");
    EXPECT_EQ(m_folder.Read("k1.TXT"), "k1\r\na\r\nb\r\nk1\r\nd\r\n");
    EXPECT_EQ(m_folder.Read("k2.TXT"), "before\r\nk2\r\nc\r\n");
    EXPECT_EQ(m_progress.updates, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {4, 4}}));
}

TEST_F(BatchEngineTest, SplittingOntoAKeyFileLargerThanOneReadKeepsAllOfIt)
{
    std::string before;
    for (int i = 0; i < 40000; ++i)
        before += "word" + std::to_string(i) + "\r\n";
    m_folder.Put("big.TXT", before);
    m_folder.Put("doc.txt", "big a\r\nbig b\r\n");
    RunIn((m_folder / "doc.txt").native(), BatchMode::Split, "txt");
    EXPECT_EQ(m_folder.Read("big.TXT"), before + "big\r\na\r\nbig\r\nb\r\n");
    EXPECT_EQ(Names(), (NameList{"big.TXT", "doc.txt"}));
}

TEST_F(BatchEngineTest, SplittingExpandsTheMarksFirst)
{
    m_folder.Put("doc.txt", "~x~ `q`\r\nwords a%nb%N%s %d");
    RunIn((m_folder / "doc.txt").native(), BatchMode::Split, "txt");
    EXPECT_EQ(m_folder.Read("“x”.TXT"), "“x”\r\n\"q\"\r\n");
    EXPECT_EQ(m_folder.Read("words.TXT"), "words\r\na\r\n");
    EXPECT_EQ(m_folder.Read("b.TXT"), "b\r\n");
    EXPECT_EQ(m_folder.Read("(空).TXT"), "(空)\r\n%d\r\n");
}

TEST_F(BatchEngineTest, SplittingACodePageDocumentNamesKeyFilesByItsWords)
{
    m_folder.Put("doc.txt", LocalFromUtf8("水果 苹果\r\n"));
    RunIn((m_folder / "doc.txt").native(), BatchMode::Split, "txt");
    EXPECT_EQ(m_folder.Read("水果.TXT"), LocalFromUtf8("水果\r\n苹果\r\n"));
}

TEST_F(BatchEngineTest, SplittingWritesNothingForAnEmptyOrMissingDocumentOrAnUnsafeKey)
{
    m_folder.Put("empty.txt", "");
    m_folder.Put("unsafe.txt", "../escape x\r\n");
    for (const char* document : {"empty.txt", "missing.txt", "unsafe.txt"})
        RunIn((m_folder / document).native(), BatchMode::Split, "txt");
    EXPECT_EQ(Names(), (NameList{"empty.txt", "unsafe.txt"}));
    EXPECT_FALSE(fs::exists(m_folder.Path().parent_path() / "escape.TXT"));
}

TEST_F(BatchEngineTest, SortingMovesEachFileIntoTheFolderOfItsExtension)
{
    m_folder.Put("a.txt", "a");
    m_folder.Put("b.txt", "b");
    m_folder.Put("c", "c");
    m_folder.Put("表😀.txt", "e");
    m_folder.Put("\xC4\xE3.txt", "a name that is not UTF-8");
    m_folder.Put("d.JPG", "d");
    m_folder.Put(".txt/b.txt", "already there");
    Run(BatchMode::SortByExtension, "ignored");
    EXPECT_EQ(Names(), (NameList{".JPG", ".txt", "b.txt", "c"}));
    EXPECT_EQ(Names(m_folder / ".txt"), (NameList{"a.txt", "b.txt", "\xC4\xE3.txt", "表😀.txt"}));
    EXPECT_EQ(m_folder.Read(".txt/b.txt"), "already there");
    EXPECT_EQ(m_folder.Read(".txt/表😀.txt"), "e");
    EXPECT_EQ(Names(m_folder / ".JPG"), (NameList{"d.JPG"}));
    // Two updates per file, the last at the end.
    EXPECT_EQ(m_progress.updates.size(), 12U);
    EXPECT_EQ(m_progress.updates.back(), std::make_pair(6, 6));
}

TEST_F(BatchEngineTest, SortingMakesASubFolderAgainThatWentAwayDuringTheRun)
{
    m_folder.Put("a.txt", "a");
    m_folder.Put("b.txt", "b");
    const std::vector<NativePath> order = Listed("*.*");
    // Someone removes the sub-folder, with the first file, while the second is about to move.
    class RemovingProgress final : public BatchProgress
    {
    public:
        explicit RemovingProgress(fs::path subFolder) : m_subFolder(std::move(subFolder)) {}
        void PumpMessages() override {}
        void Progress(int k, int /*n*/) override
        {
            if (k == 2 && !m_removed)
                m_removed = fs::remove_all(m_subFolder) > 0;
        }

    private:
        fs::path m_subFolder;
        bool m_removed = false;
    } progress(m_folder / ".txt");
    BatchTools tools{m_files, m_folderFiles, progress};
    RunBatch(BatchInputs{BatchMode::SortByExtension, m_folder.Path().native(), "", "", ""}, tools);
    EXPECT_EQ(Names(), (NameList{".txt"}));
    EXPECT_EQ(Names(m_folder / ".txt"), (NameList{order[1]}));
}

TEST_F(BatchEngineTest, FileTimesChangeOnlyWhereTheTextParses)
{
    m_folder.Put("f.any", "x");
    m_folder.SetStamps("f.any", 1000000000, 1100000000);
    const auto stamps = [this] { return m_folder.Stamps("f.any"); };

    Run(BatchMode::FileTimes, "2009-11-15 15:15:15", "", "");
    EXPECT_EQ(stamps(), std::make_pair(time_t{1000000000}, time_t{1100000000}));
    Run(BatchMode::FileTimes, "nonsense", "nonsense", "nonsense");
    EXPECT_EQ(stamps(), std::make_pair(time_t{1000000000}, time_t{1100000000}));

    Run(BatchMode::FileTimes, "", "2009-11-15 15:15:15", "");
    std::tm local{};
    local.tm_year = 109;
    local.tm_mon = 10;
    local.tm_mday = 15;
    local.tm_hour = 15;
    local.tm_min = 15;
    local.tm_sec = 15;
    local.tm_isdst = -1;
    EXPECT_EQ(stamps(), std::make_pair(time_t{1000000000}, std::mktime(&local)));
}

TEST_F(BatchEngineTest, ReplacementIsCaseSensitiveAndKeepsFilesWithZeroBytes)
{
    const std::string binary("ca\0t cat", 8);
    m_folder.Put("a.txt", "Cat cat catalog");
    m_folder.Put("bin.txt", binary);
    m_folder.Put("gbk.txt", "\x81"
                            "AA");
    m_folder.Put("other.md", "cat");
    fs::permissions(m_folder / "a.txt", fs::perms::owner_read | fs::perms::owner_write);
    Run(BatchMode::ReplaceContent, "txt", "cat", "dog");
    EXPECT_EQ(m_folder.Read("a.txt"), "Cat dog dogalog");
    EXPECT_EQ(fs::status(m_folder / "a.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(m_folder.Read("bin.txt"), binary);
    EXPECT_EQ(m_folder.Read("other.md"), "cat");

    Run(BatchMode::ReplaceContent, "txt", "A", "");
    EXPECT_EQ(m_folder.Read("gbk.txt"), "\x81"
                                        "A");
    EXPECT_EQ(m_progress.updates.back(), std::make_pair(3, 3));
}

TEST_F(BatchEngineTest, AReplacementThatCannotBeWrittenWholeLeavesTheFileAsItWas)
{
    std::string original;
    for (int i = 0; i < 750; ++i)
        original += "cat ";
    m_folder.Put("a.txt", original);
    {
        const FileSizeLimit nearlyFull;
        Run(BatchMode::ReplaceContent, "txt", "cat", "elephant");
    }
    EXPECT_EQ(m_folder.Read("a.txt"), original);
    EXPECT_EQ(Names(), (NameList{"a.txt"}));
}

TEST_F(BatchEngineTest, ReplacementWritesTextsInEachFilesOwnEncoding)
{
    m_folder.Put("utf8.txt", "苹果 pie");
    m_folder.Put("gbk.txt", LocalFromUtf8("苹果 pie"));
    Run(BatchMode::ReplaceContent, "txt", "苹果", "香蕉");
    EXPECT_EQ(m_folder.Read("utf8.txt"), "香蕉 pie");
    EXPECT_EQ(m_folder.Read("gbk.txt"), LocalFromUtf8("香蕉 pie"));
    // A text the code page cannot hold is never found in a code page file.
    m_folder.Put("gbk.txt", "\xC4\xE3?");
    Run(BatchMode::ReplaceContent, "txt", "😀", "x");
    EXPECT_EQ(m_folder.Read("gbk.txt"), "\xC4\xE3?");
}

} // namespace
} // namespace velmora
