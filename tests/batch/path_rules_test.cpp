#include "batch/path_rules.h"

#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "batch/wildcard.h"

namespace velmora {
namespace {

// Paths are written here in UTF-8 and turned into the platform's own form, so that both sets of
// rules are checked on every platform the tests run on.
NativePath N(std::string_view utf8)
{
    return NativePathFromUtf8(utf8);
}

const char* NameOf(const PathRules& rules)
{
    return rules.separator == '/' ? "posix" : "windows";
}

TEST(PathRules, TakePathsApartAtTheLastSeparatorAndDot)
{
    struct Case
    {
        const PathRules& rules;
        std::string_view path;
        std::string_view folder;
        std::string_view name;
        std::string_view stem;
        std::string_view extension;
    };
    const Case cases[] = {
        {kPosixPathRules, "/dir/a.txt", "/dir/", "a.txt", "a", ".txt"},
        {kPosixPathRules, "/dir/a.b.txt", "/dir/", "a.b.txt", "a.b", ".txt"},
        {kPosixPathRules, "/dir/", "/dir/", "", "", ""},
        {kPosixPathRules, "/d.ir/noext", "/d.ir/", "noext", "noext", ""},
        {kPosixPathRules, "/dir/a.t xt", "/dir/", "a.t xt", "a.t xt", ""},
        {kPosixPathRules, "/dir/a b.txt", "/dir/", "a b.txt", "a b", ".txt"},
        {kPosixPathRules, "/dir/.hidden", "/dir/", ".hidden", "", ".hidden"},
        {kPosixPathRules, "/目录/表格😀.数据", "/目录/", "表格😀.数据", "表格😀", ".数据"},
        {kPosixPathRules, "/dir/a\\b.txt", "/dir/", "a\\b.txt", "a\\b", ".txt"},
        {kPosixPathRules, "plain", "", "plain", "plain", ""},
        {kWindowsPathRules, "C:\\dir\\a.txt", "C:\\dir\\", "a.txt", "a", ".txt"},
        {kWindowsPathRules, "C:\\dir\\a.b.txt", "C:\\dir\\", "a.b.txt", "a.b", ".txt"},
        {kWindowsPathRules, "C:\\dir\\", "C:\\dir\\", "", "", ""},
        {kWindowsPathRules, "C:\\d.ir\\noext", "C:\\d.ir\\", "noext", "noext", ""},
        {kWindowsPathRules, "C:\\dir\\a.t xt", "C:\\dir\\", "a.t xt", "a.t xt", ""},
        {kWindowsPathRules, "C:\\目录\\表格😀.数据", "C:\\目录\\", "表格😀.数据", "表格😀", ".数据"},
        {kWindowsPathRules, "C:\\Users\\ann\\Documents\\\\Tarvik", "C:\\Users\\ann\\Documents\\\\", "Tarvik", "Tarvik",
         ""},
        // A slash ends the name too, but the folder part stops at the last backslash.
        {kWindowsPathRules, "d:/x/a.txt", "", "a.txt", "a", ".txt"},
        {kWindowsPathRules, "C:\\x.y/z", "C:\\", "z", "z", ""},
        {kWindowsPathRules, "plain", "", "plain", "plain", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(NameOf(c.rules)) + " " + std::string(c.path));
        EXPECT_EQ(FolderOfPath(N(c.path), c.rules), N(c.folder));
        EXPECT_EQ(FileNameOfPath(N(c.path), true, c.rules), N(c.name));
        EXPECT_EQ(FileNameOfPath(N(c.path), false, c.rules), N(c.stem));
        EXPECT_EQ(ExtensionOfPath(N(c.path), c.rules), N(c.extension));
    }
}

TEST(PathRules, AcceptOnlyAbsolutePathsWithAnAllowedName)
{
    struct Case
    {
        const PathRules& rules;
        std::string_view path;
        bool valid;
    };
    const Case cases[] = {
        {kPosixPathRules, "/x/a.txt", true},
        {kPosixPathRules, "/x//a.txt", true},
        {kPosixPathRules, "/x/表😀.txt", true},
        {kPosixPathRules, "x/a.txt", false},
        {kPosixPathRules, "/x/", false},
        {kPosixPathRules, "/x/a|b.txt", false},
        {kPosixPathRules, "/x/a?.txt", false},
        {kPosixPathRules, "/x/a\\b.txt", false},
        {kPosixPathRules, "/x/a:b.txt", false},
        {kPosixPathRules, "/x/a\"b.txt", false},
        {kPosixPathRules, "", false},
        {kPosixPathRules, "/x/a<b>.txt", false},
        {kPosixPathRules, "/x/a*.txt", false},
        {kPosixPathRules, "/x:/dir/a.txt", true},
        {kPosixPathRules, "C:\\dir\\a.txt", false},
        {kWindowsPathRules, "D:\\x\\a.txt", true},
        {kWindowsPathRules, "d:/x/a.txt", true},
        {kWindowsPathRules, "C:\\dir\\\\a.txt", true},
        {kWindowsPathRules, "C:\\目录\\表😀.txt", true},
        {kWindowsPathRules, "1:\\a.txt", false},
        {kWindowsPathRules, "C:\\dir\\a|b.txt", false},
        {kWindowsPathRules, "C:\\dir\\a?.txt", false},
        {kWindowsPathRules, "C:\\dir\\", false},
        {kWindowsPathRules, "\\\\host\\share\\a.txt", false},
        {kWindowsPathRules, "dir\\a.txt", false},
        {kWindowsPathRules, "C:a.txt", false},
        {kWindowsPathRules, "/x/a.txt", false},
        {kWindowsPathRules, "", false},
        // The drive colon may stand anywhere; what it names is the system's business.
        {kWindowsPathRules, "xy:\\a.txt", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidFilePath(N(c.path), c.rules), c.valid) << NameOf(c.rules) << " " << c.path;
    EXPECT_FALSE(HasForbiddenChar(N("plain name.txt")));
}

TEST(PathRules, FoldersGetOneTrailingSeparator)
{
    EXPECT_EQ(WithTrailingSeparator(N("/d"), kPosixPathRules), N("/d/"));
    EXPECT_EQ(WithTrailingSeparator(N("/d/"), kPosixPathRules), N("/d/"));
    EXPECT_EQ(WithTrailingSeparator(N(""), kPosixPathRules), N("/"));
    EXPECT_EQ(WithTrailingSeparator(N("C:\\d"), kWindowsPathRules), N("C:\\d\\"));
    EXPECT_EQ(WithTrailingSeparator(N("C:\\d\\"), kWindowsPathRules), N("C:\\d\\"));
    EXPECT_EQ(WithTrailingSeparator(N(""), kWindowsPathRules), N("\\"));
}

TEST(PathRules, StoredNamesLoseTrailingDotsAndSpaces)
{
    EXPECT_EQ(StoredPath(N("/d/p1."), kPosixPathRules), N("/d/p1"));
    EXPECT_EQ(StoredPath(N("/d/汇总."), kPosixPathRules), N("/d/汇总"));
    EXPECT_EQ(StoredPath(N("/d/a.txt. ."), kPosixPathRules), N("/d/a.txt"));
    EXPECT_EQ(StoredPath(N("/d.d/a"), kPosixPathRules), N("/d.d/a"));
    EXPECT_EQ(StoredPath(N("/d./"), kPosixPathRules), N("/d./"));
    EXPECT_EQ(StoredPath(N("C:\\d\\p1."), kWindowsPathRules), N("C:\\d\\p1"));
    EXPECT_EQ(StoredPath(N("C:\\d.\\"), kWindowsPathRules), N("C:\\d.\\"));
}

TEST(PathRules, NewExtensionReplacesTheLastOrIsAppended)
{
    EXPECT_EQ(PathWithExtension(N("/d/a"), N(".jpg"), kPosixPathRules), N("/d/a.jpg"));
    EXPECT_EQ(PathWithExtension(N("/d/a.txt"), N(".jpg"), kPosixPathRules), N("/d/a.jpg"));
    EXPECT_EQ(PathWithExtension(N("/d/a.tar.gz"), N(".jpg"), kPosixPathRules), N("/d/a.tar.jpg"));
    EXPECT_EQ(PathWithExtension(N("/d.x/a"), N(".md"), kPosixPathRules), N("/d.x/a.md"));
    EXPECT_EQ(PathWithExtension(N("C:\\d.x\\a"), N(".md"), kWindowsPathRules), N("C:\\d.x\\a.md"));
    EXPECT_EQ(PathWithExtension(N("C:\\d\\a.tar.gz"), N(".jpg"), kWindowsPathRules), N("C:\\d\\a.tar.jpg"));
}

TEST(PathRules, NativeRulesAreThoseOfThePlatform)
{
    EXPECT_EQ(kNativePathRules.separator, std::filesystem::path::preferred_separator);
}

TEST(Wildcard, MatchesAsAWindowsFolderSearchDoes)
{
    struct Case
    {
        std::string_view name;
        std::string_view pattern;
        bool matches;
    };
    const Case cases[] = {
        {"a.txt", "*.txt", true},
        {"A.TXT", "*.txt", true},
        {"a.txt", "*.TXT", true},
        {"a.b.txt", "*.txt", true},
        {"a.txt.bak", "*.txt", false},
        {"atxt", "*.txt", false},
        {".txt", "*.txt", true},
        {"noext", "*.*", true},
        {"a.b", "*.*", true},
        {"noext", "*.", true},
        {"a.txt", "*.", false},
        {"a.txt", "*.t*", true},
        {"a.md", "*.t*", false},
        {"file.txt", "file?.txt", true},
        {"file1.txt", "file?.txt", true},
        {"file12.txt", "file?.txt", false},
        {"表格😀.TXT", "*.txt", true},
        {"表格.数据", "*.数据", true},
        {"表格.数据", "*.数", false},
        {"x.jpeg", "*.jp?", false},
        {"x.jpg", "*.jp?", true},
        {"a.txt", "a.txt", true},
        {"b.txt", "a.txt", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesWildcard(N(c.name), N(c.pattern)), c.matches) << c.name << " ~ " << c.pattern;
    // Code units that form no character still make a name like any other.
    const NativePath oddName = NativePath{NativePath::value_type(0xFF), NativePath::value_type(0xFE)} + N(".txt");
    EXPECT_TRUE(MatchesWildcard(oddName, N("*.txt")));
}

} // namespace
} // namespace velmora
