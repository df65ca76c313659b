#include "scheduler/time_text.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace velmora {
namespace {

// The unit characters in code page 936, two bytes each, converted once.
struct Units
{
    Text day;        // 天
    Text hour;       // 时
    Text minute;     // 分
    Text second;     // 秒
    Text year;       // 年
    Text month;      // 月
    Text dayOfMonth; // 日
    Text wideBlank;  // the full-width space A1 A1
};

const Units& GbkUnits()
{
    static const Units units{
        LocalFromUtf8("天"), LocalFromUtf8("时"), LocalFromUtf8("分"), LocalFromUtf8("秒"),
        LocalFromUtf8("年"), LocalFromUtf8("月"), LocalFromUtf8("日"), LocalFromUtf8("\u3000"),
    };
    return units;
}

void AppendNumber(Text& out, std::int64_t value, const Text& unit)
{
    out += std::to_string(value);
    out += unit;
}

// ---- ParseTimeText ----------------------------------------------------------------------

// The six numbers of a time text, in order.
enum Field : int
{
    kYear,
    kMonth,
    kDay,
    kHour,
    kMinute,
    kSecond,
    kFieldCount
};

constexpr std::array<int, kFieldCount> kMaxDigits = {4, 2, 2, 2, 2, 2};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsAsciiSeparator(char c)
{
    return c == '-' || c == '.' || c == '/' || c == ':';
}

// Reads a text from its start, one character at a time: ASCII characters are one byte, a byte
// of 0x80 or more starts a double-byte character (code page 936), so a unit character can only
// match on a character boundary and never inside another double-byte character.
class TimeTextReader
{
public:
    explicit TimeTextReader(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }

    // The next character whole (one byte, or two for a double-byte character; a lead byte at the
    // very end stands alone and so matches nothing of two bytes).
    std::string_view PeekCharacter() const
    {
        if (AtEnd())
            return {};
        const auto lead = static_cast<unsigned char>(m_text[m_pos]);
        const std::size_t length = (lead >= 0x80 && m_pos + 1 < m_text.size() && m_text[m_pos + 1] != '\0') ? 2 : 1;
        return m_text.substr(m_pos, length);
    }

    void Skip(std::size_t bytes) { m_pos += bytes; }

    // A maximal run of decimal digits; false when it is longer than maxDigits. An empty run
    // reads as 0.
    bool ReadNumber(int maxDigits, int& value)
    {
        value = 0;
        int digits = 0;
        while (!AtEnd() && IsDigit(m_text[m_pos])) {
            if (++digits > maxDigits)
                return false;
            value = value * 10 + (m_text[m_pos] - '0');
            ++m_pos;
        }
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The field whose unit character this is, or kFieldCount.
int FieldOfUnit(std::string_view character)
{
    const Units& units = GbkUnits();
    const std::array<const Text*, kFieldCount> unitOf = {&units.year, &units.month,  &units.dayOfMonth,
                                                         &units.hour, &units.minute, &units.second};
    for (int field = 0; field < kFieldCount; ++field) {
        if (character == *unitOf[static_cast<std::size_t>(field)])
            return field;
    }
    return kFieldCount;
}

bool IsBlank(std::string_view character)
{
    return character == " " || character == GbkUnits().wideBlank;
}

// Reads the six numbers. Every number is optional (a missing one is 0) and so is every
// separator, which leaves the pattern ambiguous when a number is followed by a unit character of
// a later field ("…3日5秒": hour 5 with the seconds' unit, or second 5 with hour and minute
// missing). The unit character decides: the number belongs to the field it names and the fields
// skipped over are missing. That is one of the readings the pattern allows, and the one a reader
// means; the ASCII separators and the blank carry no name and belong to the field they follow.
bool ReadFields(std::string_view text, std::array<int, kFieldCount>& fields)
{
    fields.fill(0);
    TimeTextReader reader(text);
    int field = kYear;
    while (field < kFieldCount) {
        int number = 0;
        if (!reader.ReadNumber(kMaxDigits[static_cast<std::size_t>(field)], number))
            return false;
        const std::string_view next = reader.PeekCharacter();
        const int unitField = FieldOfUnit(next);
        if (unitField >= field && unitField < kFieldCount) {
            // Its own unit, or the unit of a later field.
            fields[static_cast<std::size_t>(unitField)] = number;
            reader.Skip(next.size());
            field = unitField + 1;
            if (unitField == kSecond)
                break;
            continue;
        }
        fields[static_cast<std::size_t>(field)] = number;
        const bool separator =
            field != kSecond && ((next.size() == 1 && IsAsciiSeparator(next[0])) || (field == kDay && IsBlank(next)));
        if (separator)
            reader.Skip(next.size());
        ++field;
    }
    // After the second (or its unit) the text ends.
    return reader.AtEnd();
}

bool IsValidDateTime(const std::array<int, kFieldCount>& f)
{
    if (f[kYear] < 100 || f[kMonth] < 1 || f[kMonth] > 12 || f[kDay] < 1 || f[kDay] > 31 || f[kHour] > 23 ||
        f[kMinute] > 59 || f[kSecond] > 59)
        return false;
    // The day lies within its month when the calendar does not carry it over into the next.
    const DateTime date = DateTime::FromFields(f[kYear], f[kMonth], f[kDay]);
    return date.Month() == f[kMonth] && date.Day() == f[kDay];
}

} // namespace

Text DurationText(std::int64_t seconds)
{
    // Floor division toward negative infinity; the remainders are then never negative. The day
    // count is kept at 64 bits, so counts beyond 32 bits are simply written out in full.
    // Working from the remainder never multiplies back, so even the lowest 64-bit value is safe.
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        --days;
        rest += 86400; // [0, 86399]
    }
    const std::int64_t hours = rest / 3600;
    const std::int64_t minutes = rest % 3600 / 60;
    const std::int64_t secs = rest % 60;

    const Units& units = GbkUnits();
    Text out;
    if (days != 0)
        AppendNumber(out, days, units.day);
    if (hours != 0)
        AppendNumber(out, hours, units.hour);
    if (minutes != 0)
        AppendNumber(out, minutes, units.minute);
    if (secs != 0)
        AppendNumber(out, secs, units.second);
    return out;
}

Text TimeText(DateTime dateTime)
{
    const DateTime t = ClampDateTime(dateTime);
    const Units& units = GbkUnits();
    Text out;
    AppendNumber(out, t.Year(), units.year);
    AppendNumber(out, t.Month(), units.month);
    AppendNumber(out, t.Day(), units.dayOfMonth);
    if (t.Second() != 0) {
        AppendNumber(out, t.Hour(), units.hour);
        AppendNumber(out, t.Minute(), units.minute);
        AppendNumber(out, t.Second(), units.second);
    } else if (t.Minute() != 0) {
        AppendNumber(out, t.Hour(), units.hour);
        AppendNumber(out, t.Minute(), units.minute);
    } else if (t.Hour() != 0) {
        AppendNumber(out, t.Hour(), units.hour);
    }
    return out;
}

// Choices the pattern leaves open, made here:
// - A number is a maximal run of ASCII digits, so a longer run (a five-digit year) fails rather
//   than being split between two fields; an empty run is a missing number, 0.
// - At most one separator follows a number ("3日 9时" fails). The blank after the day is the
//   ASCII space or the full-width space A1 A1, the two blanks of the program's texts.
// - The whole text must be read: nothing may precede the year or follow the second or its unit.
// - Year, month and day must be present and valid; a year below 100 is no valid date.
DateTime ParseTimeText(std::string_view text)
{
    std::array<int, kFieldCount> f{};
    if (!ReadFields(text, f) || !IsValidDateTime(f))
        return LowestDateTime();
    // A valid moment later on 9999-12-31 lies beyond the supported range and is limited to it.
    return ClampDateTime(DateTime::FromFields(f[kYear], f[kMonth], f[kDay], f[kHour], f[kMinute], f[kSecond]));
}

DateTime ClampDateTime(DateTime dateTime)
{
    const DateTime lowest = LowestDateTime();
    if (dateTime < lowest)
        return lowest;
    const DateTime highest = HighestDateTime();
    if (dateTime > highest)
        return highest;
    return dateTime;
}

} // namespace velmora
