#include "app/version_text.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace velmora {
namespace {

struct AfterLastCase
{
    std::string text;
    std::string marker;
    std::string expected;
};

TEST(VersionText, TextAfterLastTakesWhatFollowsTheLastOccurrence)
{
    const AfterLastCase cases[] = {
        {"a=b=c", "=", "c"},
        {"abc", "x", ""},
        {"abc", "", ""},
        {"", "a", ""},
        {"abc", "abc", ""},
        {"xAbxab", "ab", ""},
        {"xabyAB", "ab", "yAB"}, // letter case matters
        {"aaaa", "aa", ""},      // overlapping occurrences: the last starts at byte 3
        {"='Tarvik2.8 ='Tarvik2.9", "='Tarvik", "2.9"},
        // The "ab" formed by the trail byte of a double-byte character is no occurrence.
        {"ab1\x81"
         "ab2",
         "ab",
         "1\x81"
         "ab2"},
    };
    for (const AfterLastCase& c : cases)
        EXPECT_EQ(TextAfterLast(c.text, c.marker), c.expected) << c.text << " / " << c.marker;
}

TEST(VersionText, VersionOnUpdatePageLooksOnlyBeforeTheFirstEndMarker)
{
    const AfterLastCase cases[] = {
        {"var v='Tarvik2.9';\nrest", "", "2.9"},
        {"a='Tarvik2.7';b='Tarvik2.9';\n", "", "2.9"}, // two markers: the second
        {"x';\nvar v='Tarvik2.9';\n", "", ""},         // marker only after the end marker
        {"var v='Tarvik2.9';", "", ""},                // no end marker at all
        {"var v='tarvik2.9';\n", "", ""},              // the marker's case matters
        {"", "", ""},
        {"var v='Tarvik';\n", "", ""},
    };
    for (const AfterLastCase& c : cases)
        EXPECT_EQ(VersionOnUpdatePage(c.text), c.expected) << c.text;
}

TEST(VersionText, ANewerVersionExceedsTheOwnByMoreThanTheTolerance)
{
    struct Case
    {
        const char* newest;
        bool newer;
    };
    const Case cases[] = {
        {"2.9", true},  {"2.8", false},    {"2.80000005", false}, {"2.8000002", true}, {"", false},
        {"2.7", false}, {"2.9beta", true}, {"10", true},          {"abc", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNewerVersion(c.newest, kProgramVersion), c.newer) << c.newest;
}

TEST(VersionText, NoticeTextSaysWhetherANewerVersionExists)
{
    EXPECT_EQ(
        VersionNoticeText("2.9", "2.8", LocalFromUtf8("1分")),
        LocalFromUtf8("作者：Pellam\r\n有新版本~更新\r\n最新版本号：2.9\r\n本地版本号：2.8\r\n软件运行时间：1分"));
    EXPECT_EQ(VersionNoticeText("", "2.8", ""),
              LocalFromUtf8("作者：Pellam\r\n已是最新版本\r\n最新版本号：\r\n本地版本号：2.8\r\n软件运行时间："));
}

} // namespace
} // namespace velmora
