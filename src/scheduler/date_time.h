#pragma once

#include <compare>
#include <cstdint>

#include "platform/clock.h"

namespace velmora {

/// A local calendar date and time of day with one-second resolution. Any proleptic Gregorian
/// moment can be held; ClampDateTime limits it to the range the program supports.
class DateTime
{
public:
    /// 0001-01-01 00:00:00.
    constexpr DateTime() = default;

    /// The moment with these calendar fields; fields out of their ranges carry over (month 13 is
    /// January of the next year) so callers must validate first where that matters.
    static DateTime FromFields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    /// The moment a clock reported.
    static DateTime FromLocalTime(const LocalTime& time);

    int Year() const;
    int Month() const;
    int Day() const;
    int Hour() const;
    int Minute() const;
    int Second() const;

    /// Seconds since 0001-01-01 00:00:00.
    std::int64_t SecondsSinceEpoch() const { return m_seconds; }

    friend constexpr auto operator<=>(const DateTime&, const DateTime&) = default;

private:
    explicit constexpr DateTime(std::int64_t seconds) : m_seconds(seconds) {}

    std::int64_t m_seconds = 0;
};

/// The lowest supported moment, 100-01-01 00:00:00.
DateTime LowestDateTime();

/// The highest supported moment, 9999-12-31 00:00:00.
DateTime HighestDateTime();

} // namespace velmora
