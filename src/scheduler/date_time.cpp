#include "scheduler/date_time.h"

#include <cstdint>

namespace velmora {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Floor division and the matching non-negative remainder (b > 0).
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b < 0) ? q - 1 : q;
}

constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b)
{
    return a - FloorDiv(a, b) * b;
}

// Howard Hinnant's days_from_civil: days from 1970-01-01 to y-m-d of the proleptic Gregorian
// calendar, month 1..12, any day (the day simply adds). 64-bit throughout, so every year that
// int fields can produce (even after month carry-over) stays far from overflow.
constexpr std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;                                   // [0, 399]
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365] for valid d
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

struct CivilDate
{
    std::int64_t year;
    int month;
    int day;
};

// Howard Hinnant's civil_from_days, the inverse of DaysFromCivil.
constexpr CivilDate CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;                                      // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                    // [0, 11]
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Day number of 0001-01-01 counted from 1970-01-01.
constexpr std::int64_t kEpochDays = DaysFromCivil(1, 1, 1);
static_assert(kEpochDays == -719162);
static_assert(CivilFromDays(kEpochDays).year == 1);
static_assert(CivilFromDays(DaysFromCivil(2000, 2, 29)).day == 29);

constexpr std::int64_t SecondsFromFields(int year, int month, int day, int hour, int minute, int second)
{
    // Month first (month 13 is January of the next year, month 0 December of the one before),
    // then the day through the day count, then the time of day through the seconds.
    const std::int64_t months = static_cast<std::int64_t>(month) - 1;
    const std::int64_t y = static_cast<std::int64_t>(year) + FloorDiv(months, 12);
    const std::int64_t m = FloorMod(months, 12) + 1;
    const std::int64_t days = DaysFromCivil(y, m, 1) - kEpochDays + (static_cast<std::int64_t>(day) - 1);
    return days * kSecondsPerDay + static_cast<std::int64_t>(hour) * 3600 + static_cast<std::int64_t>(minute) * 60 +
           static_cast<std::int64_t>(second);
}

static_assert(SecondsFromFields(1, 1, 1, 0, 0, 0) == 0);
static_assert(SecondsFromFields(1, 1, 2, 0, 0, 0) == kSecondsPerDay);

} // namespace

DateTime DateTime::FromFields(int year, int month, int day, int hour, int minute, int second)
{
    return DateTime(SecondsFromFields(year, month, day, hour, minute, second));
}

DateTime DateTime::FromLocalTime(const LocalTime& time)
{
    return FromFields(time.year, time.month, time.day, time.hour, time.minute, time.second);
}

// Years beyond the int range (reachable only through extreme carry-over) wrap when narrowed;
// that is defined behaviour in C++20 and never matters inside the supported range.
int DateTime::Year() const
{
    return static_cast<int>(CivilFromDays(FloorDiv(m_seconds, kSecondsPerDay) + kEpochDays).year);
}

int DateTime::Month() const
{
    return CivilFromDays(FloorDiv(m_seconds, kSecondsPerDay) + kEpochDays).month;
}

int DateTime::Day() const
{
    return CivilFromDays(FloorDiv(m_seconds, kSecondsPerDay) + kEpochDays).day;
}

int DateTime::Hour() const
{
    return static_cast<int>(FloorMod(m_seconds, kSecondsPerDay) / 3600);
}

int DateTime::Minute() const
{
    return static_cast<int>(FloorMod(m_seconds, 3600) / 60);
}

int DateTime::Second() const
{
    return static_cast<int>(FloorMod(m_seconds, 60));
}

DateTime LowestDateTime()
{
    return DateTime::FromFields(100, 1, 1);
}

DateTime HighestDateTime()
{
    return DateTime::FromFields(9999, 12, 31);
}

} // namespace velmora
