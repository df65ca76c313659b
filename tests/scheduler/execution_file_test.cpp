#include "scheduler/execution_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/file_bytes.h"

namespace velmora {
namespace {

std::string Fixture(const char* name)
{
    return FixtureBytes(std::filesystem::path("scheduler") / name);
}

const std::vector<ExecutionRow> kTwoRows = {
    {u"1", u"2019年3月3日9时14分24秒", u"C:\\Tools\\job.exe"},
    {u"2", u"2019年3月4日8时", u"D:\\run.exe"},
};

// "=" and "，" inside the path, and a character code page 936 lacks.
const std::vector<ExecutionRow> kAwkwardRows = {
    {u"1", u"2019年3月3日9时14分24秒", u"/opt/a=b，c/报表 😀.sh"},
    {u"3", u"2019年3月4日", u""},
};

TEST(ExecutionFile, WritesTheFileByteForByte)
{
    EXPECT_EQ(ExecutionFileBytes(kTwoRows), Fixture("two_rows.ini"));
    EXPECT_EQ(ExecutionFileBytes(kAwkwardRows), Fixture("awkward_paths.ini"));
    EXPECT_EQ(ExecutionFileBytes({}), Fixture("header_only.ini"));
}

TEST(ExecutionFile, ReadsTheRowsBack)
{
    EXPECT_EQ(ParseExecutionFile(Fixture("two_rows.ini")), kTwoRows);
    EXPECT_EQ(ParseExecutionFile(Fixture("awkward_paths.ini")), kAwkwardRows);
}

TEST(ExecutionFile, AFileWithoutRowsGivesNone)
{
    EXPECT_TRUE(ParseExecutionFile(Fixture("header_only.ini")).empty());
    EXPECT_TRUE(ParseExecutionFile("").empty());
    EXPECT_TRUE(ParseExecutionFile("[whatever]").empty());
}

TEST(ExecutionFile, ToleratesHandEditedLines)
{
    const std::string header = "[x]\r\n";
    struct Case
    {
        const char* name;
        std::string bytes;
        std::vector<ExecutionRow> rows;
    };
    const Case cases[] = {
        {"a line without '=' is skipped", header + "\r\nnothing\r\n5=m,p\r\n", {{u"5", u"", u""}}},
        {"a last line without CR LF counts", header + "7=a\xA3\xACp", {{u"7", u"a", u"p"}}},
        {"bytes after a zero byte are not read",
         header + "1=a\xA3\xACp\r\n" + std::string(1, '\0') + "2=b\xA3\xACq\r\n",
         {{u"1", u"a", u"p"}}},
        {"a bare LF does not end a line", header + "1=a\xA3\xACp\nq\r\n", {{u"1", u"a", u"p\nq"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseExecutionFile(c.bytes), c.rows) << c.name;
}

TEST(ExecutionFile, LivesInTheDataFolder)
{
    EXPECT_EQ(ExecutionListFile("/home/u/Documents/Tarvik"),
              std::filesystem::path(u8"/home/u/Documents/Tarvik/执行配置.ini"));
}

} // namespace
} // namespace velmora
