#include "scheduler/time_text.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace velmora {
namespace {

// The tables are written in UTF-8 for reading; the program's texts are code page 936.
Text Gbk(const char* utf8)
{
    return LocalFromUtf8(utf8);
}

std::string Describe(const DateTime& t)
{
    return std::to_string(t.Year()) + "-" + std::to_string(t.Month()) + "-" + std::to_string(t.Day()) + " " +
           std::to_string(t.Hour()) + ":" + std::to_string(t.Minute()) + ":" + std::to_string(t.Second());
}

// ---- DurationText ------------------------------------------------------------------------

struct DurationCase
{
    std::int64_t seconds;
    const char* utf8;
};

const DurationCase kDurations[] = {
    {0, ""},
    {1, "1秒"},
    {59, "59秒"},
    {60, "1分"},
    {61, "1分1秒"},
    {3600, "1时"},
    {3601, "1时1秒"},
    {3725, "1时2分5秒"},
    {7200, "2时"},
    {86399, "23时59分59秒"},
    {86400, "1天"},
    {86401, "1天1秒"},
    {86460, "1天1分"},
    {90000, "1天1时"},
    {90061, "1天1时1分1秒"},
    {10 * 86400 + 5, "10天5秒"},
    {-1, "-1天23时59分59秒"},
    {-5, "-1天23时59分55秒"},
    {-60, "-1天23时59分"},
    {-86400, "-1天"},
    {-86401, "-2天23时59分59秒"},
    {-90061, "-2天22时58分59秒"},
    // The largest day count that still fits 32 bits.
    {std::int64_t{2147483647} * 86400 + 86399, "2147483647天23时59分59秒"},
    {std::int64_t{-2147483647 - 1} * 86400, "-2147483648天"},
};

TEST(DurationText, WritesTheLargestUnitsFirst)
{
    for (const auto& c : kDurations)
        EXPECT_EQ(DurationText(c.seconds), Gbk(c.utf8)) << c.seconds;
}

TEST(DurationText, UsesTheCodePage936UnitCharacters)
{
    EXPECT_EQ(DurationText(90061), "1\xCC\xEC"
                                   "1\xCA\xB1"
                                   "1\xB7\xD6"
                                   "1\xC3\xEB");
}

TEST(DurationText, DayCountsBeyond32BitsDoNotFail)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    // 9223372036854775807 = 106751991167300 days + 55807 s; the day count is written in full.
    EXPECT_EQ(DurationText(kMax), Gbk("106751991167300天15时30分7秒"));
    EXPECT_EQ(DurationText(kMin), Gbk("-106751991167301天8时29分52秒"));
    EXPECT_EQ(DurationText(std::int64_t{2147483648} * 86400), Gbk("2147483648天"));
}

// ---- TimeText ----------------------------------------------------------------------------

struct TimeCase
{
    int year, month, day, hour, minute, second;
    const char* utf8;
};

const TimeCase kTimes[] = {
    {2019, 3, 3, 9, 14, 24, "2019年3月3日9时14分24秒"}, {2019, 3, 3, 9, 14, 0, "2019年3月3日9时14分"},
    {2019, 3, 3, 9, 0, 0, "2019年3月3日9时"},           {2019, 3, 3, 0, 0, 0, "2019年3月3日"},
    {2019, 3, 3, 0, 0, 5, "2019年3月3日0时0分5秒"},     {2019, 3, 3, 0, 5, 0, "2019年3月3日0时5分"},
    {2019, 3, 3, 9, 0, 5, "2019年3月3日9时0分5秒"},     {2019, 12, 31, 23, 59, 59, "2019年12月31日23时59分59秒"},
    {1970, 1, 1, 8, 0, 0, "1970年1月1日8时"},           {100, 1, 1, 0, 0, 0, "100年1月1日"},
    {2000, 2, 29, 12, 30, 0, "2000年2月29日12时30分"},  {9999, 12, 31, 0, 0, 0, "9999年12月31日"},
};

TEST(TimeText, LeavesOutTrailingZeroUnits)
{
    for (const auto& c : kTimes) {
        const DateTime t = DateTime::FromFields(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_EQ(TimeText(t), Gbk(c.utf8)) << c.utf8;
    }
}

TEST(TimeText, UsesTheCodePage936UnitCharacters)
{
    EXPECT_EQ(TimeText(DateTime::FromFields(2019, 3, 3, 9, 14, 24)), "2019\xC4\xEA"
                                                                     "3\xD4\xC2"
                                                                     "3\xC8\xD5"
                                                                     "9\xCA\xB1"
                                                                     "14\xB7\xD6"
                                                                     "24\xC3\xEB");
}

TEST(TimeText, ClampsFirst)
{
    EXPECT_EQ(TimeText(DateTime()), Gbk("100年1月1日"));
    EXPECT_EQ(TimeText(DateTime::FromFields(99, 12, 31, 23, 59, 59)), Gbk("100年1月1日"));
    EXPECT_EQ(TimeText(DateTime::FromFields(9999, 12, 31, 0, 0, 1)), Gbk("9999年12月31日"));
    EXPECT_EQ(TimeText(DateTime::FromFields(9999, 12, 31, 23, 59, 59)), Gbk("9999年12月31日"));
    EXPECT_EQ(TimeText(DateTime::FromFields(20000, 1, 1)), Gbk("9999年12月31日"));
}

// ---- ClampDateTime -----------------------------------------------------------------------

TEST(ClampDateTime, LimitsToTheSupportedRange)
{
    const DateTime lowest = DateTime::FromFields(100, 1, 1);
    const DateTime highest = DateTime::FromFields(9999, 12, 31);
    EXPECT_EQ(ClampDateTime(DateTime()), lowest);
    EXPECT_EQ(ClampDateTime(DateTime::FromFields(99, 12, 31, 23, 59, 59)), lowest);
    EXPECT_EQ(ClampDateTime(DateTime::FromFields(-5000, 1, 1)), lowest);
    EXPECT_EQ(ClampDateTime(lowest), lowest);
    const DateTime justAfterLowest = DateTime::FromFields(100, 1, 1, 0, 0, 1);
    EXPECT_EQ(ClampDateTime(justAfterLowest), justAfterLowest);

    EXPECT_EQ(ClampDateTime(highest), highest);
    const DateTime justBeforeHighest = DateTime::FromFields(9999, 12, 30, 23, 59, 59);
    EXPECT_EQ(ClampDateTime(justBeforeHighest), justBeforeHighest);
    EXPECT_EQ(ClampDateTime(DateTime::FromFields(9999, 12, 31, 0, 0, 1)), highest);
    EXPECT_EQ(ClampDateTime(DateTime::FromFields(10000, 1, 1)), highest);
    EXPECT_EQ(ClampDateTime(DateTime::FromFields(std::numeric_limits<int>::max(), 1, 1)), highest);

    const DateTime middle = DateTime::FromFields(2019, 3, 3, 9, 14, 24);
    EXPECT_EQ(ClampDateTime(middle), middle);
}

// ---- ParseTimeText -----------------------------------------------------------------------

TEST(ParseTimeText, ReadsEveryTextOfTheTimeTextTable)
{
    for (const auto& c : kTimes) {
        const DateTime expected = DateTime::FromFields(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_EQ(ParseTimeText(Gbk(c.utf8)), expected) << c.utf8;
    }
}

struct ParseCase
{
    const char* utf8;
    int year, month, day, hour, minute, second;
};

const ParseCase kParsed[] = {
    {"2019年3月3日", 2019, 3, 3, 0, 0, 0},
    {"2019年3月3日9时", 2019, 3, 3, 9, 0, 0},
    {"2019年3月3日9时14分", 2019, 3, 3, 9, 14, 0},
    {"2019年3月3日9时14分24秒", 2019, 3, 3, 9, 14, 24},
    {"2019年03月03日09时04分05秒", 2019, 3, 3, 9, 4, 5},
    {"1970-01-01 08:00:00", 1970, 1, 1, 8, 0, 0},
    {"1970-01-01 08:00", 1970, 1, 1, 8, 0, 0},
    {"1970-01-01 08", 1970, 1, 1, 8, 0, 0},
    {"1970-01-01", 1970, 1, 1, 0, 0, 0},
    {"1970-01-01 ", 1970, 1, 1, 0, 0, 0},
    {"1970-01-01-08-09-10", 1970, 1, 1, 8, 9, 10},
    {"2019/3/3 9:14:24", 2019, 3, 3, 9, 14, 24},
    {"2019.3.3", 2019, 3, 3, 0, 0, 0},
    {"2019:3:3", 2019, 3, 3, 0, 0, 0},
    {"2019-3-3 9:14:24秒", 2019, 3, 3, 9, 14, 24},
    {"2019年3月3 9时14分", 2019, 3, 3, 9, 14, 0},
    {"2019-3-3\xE3\x80\x80"
     "9:14",
     2019, 3, 3, 9, 14, 0}, // the full-width blank after the day
    {"2019年3月3\xE3\x80\x80"
     "9时14分",
     2019, 3, 3, 9, 14, 0},
    {"2019年3月3日9:14:24", 2019, 3, 3, 9, 14, 24},
    {"2019-3-3日9时", 2019, 3, 3, 9, 0, 0},
    // Separators are optional: numbers can follow each other when a field is missing.
    {"2019年3月3日9时14", 2019, 3, 3, 9, 14, 0},
    {"2019年3月3日9时14分24", 2019, 3, 3, 9, 14, 24},
    {"2019-3-3 9:14:", 2019, 3, 3, 9, 14, 0},
    {"2019-3-3 :14", 2019, 3, 3, 0, 14, 0},
    {"2019年3月3日时分秒", 2019, 3, 3, 0, 0, 0},
    // A unit character names its field; the fields skipped over are missing.
    {"2019年3月3日5秒", 2019, 3, 3, 0, 0, 5},
    {"2019年3月3日14分", 2019, 3, 3, 0, 14, 0},
    {"2019年3月3日9时5秒", 2019, 3, 3, 9, 0, 5},
    // Leap days and the edges of the supported range.
    {"2000年2月29日", 2000, 2, 29, 0, 0, 0},
    {"2024-02-29 23:59:59", 2024, 2, 29, 23, 59, 59},
    {"400-2-29", 400, 2, 29, 0, 0, 0},
    {"100年1月1日", 100, 1, 1, 0, 0, 0},
    {"0100-01-01", 100, 1, 1, 0, 0, 0},
    {"9999年12月31日", 9999, 12, 31, 0, 0, 0},
    // A valid moment after the highest one is limited to it.
    {"9999年12月31日12时", 9999, 12, 31, 0, 0, 0},
    {"9999-12-31 23:59:59", 9999, 12, 31, 0, 0, 0},
};

TEST(ParseTimeText, ReadsTheFormsOfThePattern)
{
    for (const auto& c : kParsed) {
        const DateTime expected = DateTime::FromFields(c.year, c.month, c.day, c.hour, c.minute, c.second);
        const DateTime parsed = ParseTimeText(Gbk(c.utf8));
        EXPECT_EQ(parsed, expected) << c.utf8 << " gave " << Describe(parsed);
    }
}

const char* const kUnparseable[] = {
    "",
    "abc",
    "年月日",
    "-",
    // Not a calendar date or time.
    "2019年13月1日",
    "2019-13-01",
    "2019年0月1日",
    "2019年1月0日",
    "2019年2月30日",
    "2019年2月29日",
    "1900-02-29",
    "2019年4月31日",
    "2019年1月32日",
    "2019年3月3日24时",
    "2019年3月3日23时60分",
    "2019年3月3日23时59分60秒",
    "2019-03-03 24:00:00",
    // Missing year, month or day.
    "3月3日",
    "2019年3月",
    "2019年",
    "2019",
    // Years outside 100..9999.
    "0年1月1日",
    "0000-01-01",
    "99年12月31日",
    "0099-12-31",
    // Too many digits.
    "20190年1月1日",
    "12019-03-03",
    "20190303",
    "2019年003月3日",
    "2019年3月3日009时",
    "2019-03-03 09:14:245",
    // Trailing or leading junk.
    "2019年3月3日x",
    "2019年3月3日9时14分24秒x",
    "2019年3月3日9时14分24秒 ",
    "2019年3月3日9时 ",
    "1970-01-01 08:00:00 ",
    "1970-01-01 08:00:00:00",
    " 2019年3月3日",
    "2019年3月3日天",
    // Separators out of place.
    "2019 3 3",
    "2019年3月3日9 14",
    "2019年3月3日 9时", // one separator after the day: "日" or a blank, not both
    "2019年3月3日\xE3\x80\x80"
    "9时",
    "2019秒3月3日",
    "2019年3月3日9时14分24秒秒",
    "2019年3日3月",
    "2019,3,3",
    // Full-width digits are not decimal digits.
    "２０１９年３月３日",
};

TEST(ParseTimeText, GivesTheLowestMomentForAnythingElse)
{
    for (const char* utf8 : kUnparseable) {
        const DateTime parsed = ParseTimeText(Gbk(utf8));
        EXPECT_EQ(parsed, LowestDateTime()) << utf8 << " gave " << Describe(parsed);
    }
    EXPECT_EQ(LowestDateTime(), DateTime::FromFields(100, 1, 1));
}

TEST(ParseTimeText, StepsOverDoubleByteCharactersWhole)
{
    // "年" is C4 EA. Here C4 is the second byte of another character (B0 C4) and EA starts the
    // next one, so no "年" lies on a character boundary.
    EXPECT_EQ(ParseTimeText("2019\xB0\xC4\xEA\xB3"
                            "3-3"),
              LowestDateTime());
    // A lone lead byte at the end is no unit character.
    EXPECT_EQ(ParseTimeText("2019-3-3\xC8"), LowestDateTime());
    // A lead byte followed by a zero byte is no unit character either.
    EXPECT_EQ(ParseTimeText(std::string_view("2019-3-3\xC8\0", 10)), LowestDateTime());
    // A blank is the ASCII space or the full-width space A1 A1, and nothing half of one.
    EXPECT_EQ(ParseTimeText("2019-3-3\xA1\xA1"
                            "9:00"),
              DateTime::FromFields(2019, 3, 3, 9, 0, 0));
    EXPECT_EQ(ParseTimeText("2019-3-3\xA1"
                            "9:00"),
              LowestDateTime());
    // The raw bytes of a TimeText.
    EXPECT_EQ(ParseTimeText("2019\xC4\xEA"
                            "3\xD4\xC2"
                            "3\xC8\xD5"
                            "9\xCA\xB1"
                            "14\xB7\xD6"
                            "24\xC3\xEB"),
              DateTime::FromFields(2019, 3, 3, 9, 14, 24));
}

TEST(ParseTimeText, StopsAtAnEmbeddedZeroByte)
{
    EXPECT_EQ(ParseTimeText(std::string_view("2019-3-3\0", 9)), LowestDateTime());
}

// ---- Round trip ----------------------------------------------------------------------------

std::vector<DateTime> SpreadOfMoments()
{
    std::vector<DateTime> moments = {
        DateTime::FromFields(100, 1, 1),
        DateTime::FromFields(100, 1, 1, 0, 0, 1),
        DateTime::FromFields(100, 1, 1, 23, 59, 59),
        DateTime::FromFields(100, 2, 28, 12, 0, 0),
        DateTime::FromFields(100, 12, 31, 23, 59, 59),
        DateTime::FromFields(400, 2, 29, 0, 0, 1),
        DateTime::FromFields(1600, 2, 29, 0, 1, 0),
        DateTime::FromFields(1899, 12, 30),
        DateTime::FromFields(1970, 1, 1, 8, 0, 0),
        DateTime::FromFields(2000, 2, 29, 1, 0, 0),
        DateTime::FromFields(2000, 2, 29, 23, 59, 59),
        DateTime::FromFields(2024, 2, 29, 0, 0, 0),
        DateTime::FromFields(2019, 3, 3, 9, 14, 24),
        DateTime::FromFields(9996, 2, 29, 12, 34, 56),
        DateTime::FromFields(9999, 12, 30, 23, 59, 59),
        DateTime::FromFields(9999, 12, 31),
    };
    // A stride through the whole range that is prime in seconds, so every shape of the time of
    // day and every month and day turn up.
    const std::int64_t first = LowestDateTime().SecondsSinceEpoch();
    const std::int64_t last = HighestDateTime().SecondsSinceEpoch();
    const std::int64_t stride = 15485863; // about 179 days
    for (std::int64_t s = 0; s <= last - first; s += stride) {
        const std::int64_t days = s / 86400;
        const int sod = static_cast<int>(s % 86400);
        moments.push_back(DateTime::FromFields(100, 1, 1 + static_cast<int>(days), 0, 0, sod));
    }
    // Every shape of the time of day on a few days.
    for (int day : {1, 15, 28}) {
        for (int h : {0, 1, 23})
            for (int m : {0, 1, 59})
                for (int sec : {0, 1, 59})
                    moments.push_back(DateTime::FromFields(2023, 2, day, h, m, sec));
    }
    // Every day of two years, one of them leap.
    for (int d = 0; d < 731; ++d)
        moments.push_back(DateTime::FromFields(2023, 1, 1 + d, d % 24, d % 60, (d * 7) % 60));
    return moments;
}

TEST(ParseTimeText, ReadsBackEveryTimeText)
{
    const std::vector<DateTime> moments = SpreadOfMoments();
    ASSERT_GT(moments.size(), 20000u);
    int failures = 0;
    for (const DateTime& t : moments) {
        ASSERT_EQ(ClampDateTime(t), t) << Describe(t);
        const Text text = TimeText(t);
        const DateTime back = ParseTimeText(text);
        if (back != t && ++failures <= 10)
            ADD_FAILURE() << Describe(t) << " -> " << Utf8FromLocal(text) << " -> " << Describe(back);
    }
    EXPECT_EQ(failures, 0);
}

TEST(ParseTimeText, ReadsBackTheClampedMomentOfAnyTimeText)
{
    for (const DateTime& t : {DateTime(), DateTime::FromFields(50, 6, 6, 6, 6, 6),
                              DateTime::FromFields(9999, 12, 31, 0, 0, 1), DateTime::FromFields(12345, 1, 1)})
        EXPECT_EQ(ParseTimeText(TimeText(t)), ClampDateTime(t)) << Describe(t);
}

} // namespace
} // namespace velmora
