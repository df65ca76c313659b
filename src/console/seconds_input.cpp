#include "console/seconds_input.h"

#include <limits>
#include <optional>

namespace velmora {
namespace {
unsigned char Byte(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

/// Length of the white space character at i (tab, line ends, space, full-width space), or 0.
std::size_t WhiteSpaceLength(std::string_view text, std::size_t i)
{
    const unsigned char b = Byte(text, i);
    if (b == ' ' || (b >= '\t' && b <= '\r'))
        return 1;
    return (b == 0xA1 && i + 1 < text.size() && Byte(text, i + 1) == 0xA1) ? 2 : 0;
}

/// The digit at i and its length in bytes: an ASCII digit, or a full-width one (A3 B0 to A3 B9).
std::optional<std::pair<int, std::size_t>> DigitAt(std::string_view text, std::size_t i)
{
    const unsigned char b = Byte(text, i);
    if (b >= '0' && b <= '9')
        return std::pair{b - '0', std::size_t{1}};
    if (b == 0xA3 && i + 1 < text.size() && Byte(text, i + 1) >= 0xB0 && Byte(text, i + 1) <= 0xB9)
        return std::pair{Byte(text, i + 1) - 0xB0, std::size_t{2}};
    return std::nullopt;
}
} // namespace

std::int64_t SecondsFromInput(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = WhiteSpaceLength(text, i);
        if (length == 0)
            break;
        i += length;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Counted towards the negative side, which holds one number more.
    constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool overflow = false;
    while (i < text.size()) {
        const auto digit = DigitAt(text, i);
        if (!digit)
            break;
        if (value < (kLowest + digit->first) / 10)
            overflow = true;
        else
            value = value * 10 - digit->first;
        i += digit->second;
    }
    if (overflow)
        return negative ? kLowest : std::numeric_limits<std::int64_t>::max();
    if (!negative)
        return value == kLowest ? std::numeric_limits<std::int64_t>::max() : -value;
    return value;
}

} // namespace velmora
