#include "batch/path_rules.h"

#include <string>

#include <gtest/gtest.h>

#include "batch/wildcard.h"

namespace velmora {
namespace {

TEST(PathRules, TakePathsApartAtTheLastSeparatorAndDot)
{
    struct Case
    {
        NativePath path;
        NativePath folder;
        NativePath name;
        NativePath stem;
        NativePath extension;
    };
    const Case cases[] = {
        {"/dir/a.txt", "/dir/", "a.txt", "a", ".txt"},
        {"/dir/a.b.txt", "/dir/", "a.b.txt", "a.b", ".txt"},
        {"/dir/", "/dir/", "", "", ""},
        {"/d.ir/noext", "/d.ir/", "noext", "noext", ""},
        {"/dir/a.t xt", "/dir/", "a.t xt", "a.t xt", ""},
        {"/dir/a b.txt", "/dir/", "a b.txt", "a b", ".txt"},
        {"/dir/.hidden", "/dir/", ".hidden", "", ".hidden"},
        {"/目录/表格😀.数据", "/目录/", "表格😀.数据", "表格😀", ".数据"},
        {"plain", "", "plain", "plain", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderOfPath(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNameOfPath(c.path, true), c.name) << c.path;
        EXPECT_EQ(FileNameOfPath(c.path, false), c.stem) << c.path;
        EXPECT_EQ(ExtensionOfPath(c.path), c.extension) << c.path;
    }
}

TEST(PathRules, AcceptOnlyAbsolutePathsWithAnAllowedName)
{
    const std::pair<NativePath, bool> cases[] = {
        {"/x/a.txt", true},    {"/x//a.txt", true},     {"/x/表😀.txt", true}, {"x/a.txt", false},
        {"/x/", false},        {"/x/a|b.txt", false},   {"/x/a?.txt", false}, {"/x/a\\b.txt", false},
        {"/x/a:b.txt", false}, {"/x/a\"b.txt", false},  {"", false},          {"/x/a<b>.txt", false},
        {"/x/a*.txt", false},  {"/x:/dir/a.txt", true},
    };
    for (const auto& [path, valid] : cases)
        EXPECT_EQ(IsValidFilePath(path), valid) << path;
    EXPECT_FALSE(HasForbiddenChar("plain name.txt"));
}

TEST(PathRules, StoredNamesLoseTrailingDotsAndSpaces)
{
    EXPECT_EQ(StoredPath("/d/p1."), "/d/p1");
    EXPECT_EQ(StoredPath("/d/汇总."), "/d/汇总");
    EXPECT_EQ(StoredPath("/d/a.txt. ."), "/d/a.txt");
    EXPECT_EQ(StoredPath("/d.d/a"), "/d.d/a");
    EXPECT_EQ(StoredPath("/d./"), "/d./");
}

TEST(PathRules, NewExtensionReplacesTheLastOrIsAppended)
{
    EXPECT_EQ(PathWithExtension("/d/a", ".jpg"), "/d/a.jpg");
    EXPECT_EQ(PathWithExtension("/d/a.txt", ".jpg"), "/d/a.jpg");
    EXPECT_EQ(PathWithExtension("/d/a.tar.gz", ".jpg"), "/d/a.tar.jpg");
    EXPECT_EQ(PathWithExtension("/d.x/a", ".md"), "/d.x/a.md");
}

TEST(Wildcard, MatchesAsAWindowsFolderSearchDoes)
{
    struct Case
    {
        NativePath name;
        NativePath pattern;
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
        {"\xff\xfe.txt", "*.txt", true},
        {"a.txt", "a.txt", true},
        {"b.txt", "a.txt", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesWildcard(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

} // namespace
} // namespace velmora
