#include "scheduler/date_time.h"

#include <chrono>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct Fields
{
    int year;
    int month;
    int day;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

std::string Describe(const DateTime& t)
{
    return std::to_string(t.Year()) + "-" + std::to_string(t.Month()) + "-" + std::to_string(t.Day()) + " " +
           std::to_string(t.Hour()) + ":" + std::to_string(t.Minute()) + ":" + std::to_string(t.Second());
}

void ExpectFields(const DateTime& t, const Fields& f)
{
    EXPECT_EQ(t.Year(), f.year) << Describe(t);
    EXPECT_EQ(t.Month(), f.month) << Describe(t);
    EXPECT_EQ(t.Day(), f.day) << Describe(t);
    EXPECT_EQ(t.Hour(), f.hour) << Describe(t);
    EXPECT_EQ(t.Minute(), f.minute) << Describe(t);
    EXPECT_EQ(t.Second(), f.second) << Describe(t);
}

constexpr std::int64_t kDay = 86400;
// 0001-01-01 to 1970-01-01.
constexpr std::int64_t kDaysTo1970 = 719162;

TEST(DateTime, DefaultIsTheFirstMomentOfYearOne)
{
    const DateTime t;
    EXPECT_EQ(t.SecondsSinceEpoch(), 0);
    ExpectFields(t, {1, 1, 1, 0, 0, 0});
    EXPECT_EQ(DateTime::FromFields(1, 1, 1), t);
}

TEST(DateTime, CountsSecondsSinceYearOne)
{
    EXPECT_EQ(DateTime::FromFields(1, 1, 1, 0, 0, 1).SecondsSinceEpoch(), 1);
    EXPECT_EQ(DateTime::FromFields(1, 1, 2).SecondsSinceEpoch(), kDay);
    EXPECT_EQ(DateTime::FromFields(2, 1, 1).SecondsSinceEpoch(), 365 * kDay);
    EXPECT_EQ(DateTime::FromFields(1970, 1, 1).SecondsSinceEpoch(), kDaysTo1970 * kDay);
    EXPECT_EQ(DateTime::FromFields(1970, 1, 1, 8, 0, 0).SecondsSinceEpoch(), kDaysTo1970 * kDay + 8 * 3600);
    // 2019-03-03 09:14:24 is Unix time 1551604464 taken as a local wall clock.
    EXPECT_EQ(DateTime::FromFields(2019, 3, 3, 9, 14, 24).SecondsSinceEpoch(), kDaysTo1970 * kDay + 1551604464);
}

TEST(DateTime, AccessorsGiveTheFieldsBack)
{
    const Fields cases[] = {
        {1, 1, 1},
        {100, 1, 1},
        {100, 2, 28, 23, 59, 59},
        {400, 2, 29, 12, 0, 0},
        {1600, 2, 29},
        {1899, 12, 30},
        {1970, 1, 1, 8, 0, 0},
        {2000, 2, 29, 1, 2, 3},
        {2019, 3, 3, 9, 14, 24},
        {2024, 12, 31, 23, 59, 59},
        {9999, 12, 31},
        {9999, 12, 31, 23, 59, 59},
        {10000, 1, 1},
        {65535, 6, 15, 6, 30, 0},
    };
    for (const Fields& f : cases)
        ExpectFields(DateTime::FromFields(f.year, f.month, f.day, f.hour, f.minute, f.second), f);
}

TEST(DateTime, FollowsTheProlepticGregorianLeapYearRule)
{
    // Leap: divisible by 4, except centuries not divisible by 400.
    ExpectFields(DateTime::FromFields(2000, 2, 29), {2000, 2, 29});
    ExpectFields(DateTime::FromFields(400, 2, 29), {400, 2, 29});
    ExpectFields(DateTime::FromFields(2024, 2, 29), {2024, 2, 29});
    ExpectFields(DateTime::FromFields(1900, 2, 29), {1900, 3, 1});
    ExpectFields(DateTime::FromFields(100, 2, 29), {100, 3, 1});
    ExpectFields(DateTime::FromFields(2023, 2, 29), {2023, 3, 1});
    const auto yearLength = [](int y) {
        return DateTime::FromFields(y + 1, 1, 1).SecondsSinceEpoch() -
               DateTime::FromFields(y, 1, 1).SecondsSinceEpoch();
    };
    EXPECT_EQ(yearLength(2000), 366 * kDay);
    EXPECT_EQ(yearLength(1900), 365 * kDay);
    EXPECT_EQ(yearLength(2023), 365 * kDay);
    EXPECT_EQ(yearLength(2024), 366 * kDay);
}

TEST(DateTime, AgreesWithStdChronoOnEveryDayOfTheSupportedRange)
{
    using namespace std::chrono;
    const sys_days first = sys_days{year{100} / January / 1};
    const sys_days last = sys_days{year{9999} / December / 31};
    const DateTime base = DateTime::FromFields(100, 1, 1);
    int mismatches = 0;
    for (sys_days d = first; d <= last && mismatches < 5; d += days{1}) {
        const year_month_day ymd{d};
        const int y = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int dd = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const DateTime t = DateTime::FromFields(y, m, dd, 12, 34, 56);
        const std::int64_t expected = base.SecondsSinceEpoch() + (d - first).count() * kDay + 12 * 3600 + 34 * 60 + 56;
        if (t.SecondsSinceEpoch() != expected || t.Year() != y || t.Month() != m || t.Day() != dd) {
            ++mismatches;
            ADD_FAILURE() << "at " << y << "-" << m << "-" << dd << ": " << Describe(t);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(DateTime, CarriesMonthsOverIntoYears)
{
    ExpectFields(DateTime::FromFields(2019, 13, 1), {2020, 1, 1});
    ExpectFields(DateTime::FromFields(2019, 25, 5), {2021, 1, 5});
    ExpectFields(DateTime::FromFields(2019, 0, 1), {2018, 12, 1});
    ExpectFields(DateTime::FromFields(2019, -1, 1), {2018, 11, 1});
    ExpectFields(DateTime::FromFields(2019, -12, 1), {2017, 12, 1});
    ExpectFields(DateTime::FromFields(2019, 24, 1), {2020, 12, 1});
}

TEST(DateTime, CarriesDaysOverThroughTheDayCountAfterTheMonth)
{
    ExpectFields(DateTime::FromFields(2019, 1, 32), {2019, 2, 1});
    ExpectFields(DateTime::FromFields(2019, 2, 30), {2019, 3, 2});
    ExpectFields(DateTime::FromFields(2019, 3, 0), {2019, 2, 28});
    ExpectFields(DateTime::FromFields(2020, 3, 0), {2020, 2, 29});
    ExpectFields(DateTime::FromFields(2019, 1, -30), {2018, 12, 1});
    ExpectFields(DateTime::FromFields(2019, 1, 366), {2020, 1, 1});
    // The month is normalised first: month 14 day 31 is 2020-02-31, i.e. 2020-03-02.
    ExpectFields(DateTime::FromFields(2019, 14, 31), {2020, 3, 2});
    ExpectFields(DateTime::FromFields(2019, 12, 32), {2020, 1, 1});
}

TEST(DateTime, CarriesTimeOfDayOverThroughSeconds)
{
    ExpectFields(DateTime::FromFields(2019, 12, 31, 24, 0, 0), {2020, 1, 1, 0, 0, 0});
    ExpectFields(DateTime::FromFields(2019, 3, 3, 0, 60, 0), {2019, 3, 3, 1, 0, 0});
    ExpectFields(DateTime::FromFields(2019, 3, 3, 0, 0, 60), {2019, 3, 3, 0, 1, 0});
    ExpectFields(DateTime::FromFields(2019, 3, 3, 0, 0, 86400), {2019, 3, 4, 0, 0, 0});
    ExpectFields(DateTime::FromFields(2019, 1, 1, 0, 0, -1), {2018, 12, 31, 23, 59, 59});
    ExpectFields(DateTime::FromFields(2019, 1, 1, -1, 0, 0), {2018, 12, 31, 23, 0, 0});
    ExpectFields(DateTime::FromFields(2019, 1, 1, 0, -90, 0), {2018, 12, 31, 22, 30, 0});
    ExpectFields(DateTime::FromFields(2019, 1, 1, 23, 59, 61), {2019, 1, 2, 0, 0, 1});
}

TEST(DateTime, HandlesMomentsBeforeYearOne)
{
    const DateTime t = DateTime::FromFields(1, 1, 1, 0, 0, -1);
    EXPECT_EQ(t.SecondsSinceEpoch(), -1);
    ExpectFields(t, {0, 12, 31, 23, 59, 59});
    ExpectFields(DateTime::FromFields(-1, 3, 1), {-1, 3, 1});
    ExpectFields(DateTime::FromFields(0, 2, 29), {0, 2, 29}); // year 0 (1 BC) is a leap year
}

TEST(DateTime, SurvivesEveryExtremeIntField)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const int values[] = {kMin, kMin + 1, -1, 0, 1, kMax - 1, kMax};
    for (int y : values) {
        for (int mo : values) {
            for (int d : values) {
                for (int h : values) {
                    const DateTime t = DateTime::FromFields(y, mo, d, h, kMax, kMin);
                    // Field accessors stay within their ranges whatever the moment.
                    EXPECT_GE(t.Month(), 1);
                    EXPECT_LE(t.Month(), 12);
                    EXPECT_GE(t.Day(), 1);
                    EXPECT_LE(t.Day(), 31);
                    EXPECT_GE(t.Hour(), 0);
                    EXPECT_LE(t.Hour(), 23);
                    EXPECT_GE(t.Minute(), 0);
                    EXPECT_LE(t.Minute(), 59);
                    EXPECT_GE(t.Second(), 0);
                    EXPECT_LE(t.Second(), 59);
                }
            }
        }
    }
    ExpectFields(DateTime::FromFields(kMax, 1, 1), {kMax, 1, 1});
    ExpectFields(DateTime::FromFields(kMin, 1, 1), {kMin, 1, 1});
}

TEST(DateTime, OrdersByMoment)
{
    const DateTime a = DateTime::FromFields(2019, 3, 3, 9, 14, 24);
    const DateTime b = DateTime::FromFields(2019, 3, 3, 9, 14, 25);
    EXPECT_LT(a, b);
    EXPECT_GT(b, a);
    EXPECT_NE(a, b);
    EXPECT_EQ(a, DateTime::FromFields(2019, 3, 2, 33, 14, 24));
}

TEST(DateTime, FromLocalTimeTakesTheClocksFields)
{
    const LocalTime now{2024, 2, 29, 23, 59, 58};
    ExpectFields(DateTime::FromLocalTime(now), {2024, 2, 29, 23, 59, 58});
    EXPECT_EQ(DateTime::FromLocalTime(now), DateTime::FromFields(2024, 2, 29, 23, 59, 58));
}

TEST(DateTime, SupportedRangeIsYear100ToTheLastDayOf9999)
{
    ExpectFields(LowestDateTime(), {100, 1, 1, 0, 0, 0});
    ExpectFields(HighestDateTime(), {9999, 12, 31, 0, 0, 0});
    EXPECT_LT(LowestDateTime(), HighestDateTime());
    // The OLE Automation range: -657434 to 2958465 days from 1899-12-30.
    const std::int64_t ole0 = DateTime::FromFields(1899, 12, 30).SecondsSinceEpoch();
    EXPECT_EQ(LowestDateTime().SecondsSinceEpoch() - ole0, -657434 * kDay);
    EXPECT_EQ(HighestDateTime().SecondsSinceEpoch() - ole0, 2958465 * kDay);
}

} // namespace
} // namespace velmora
