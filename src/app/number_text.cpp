#include "app/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace velmora {
namespace {

/// The C locale's white space, as atoi and atof skip it.
bool IsCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// Can the character be part of what atof reads after the white space?
bool IsNumberChar(char c)
{
    return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
}

/// The start of text as ASCII, the full-width forms folded: leading white space dropped, then
/// the characters up to the first that cannot belong to a number. Steps by characters: a byte of
/// 0x80 or more followed by a non-zero byte is one double-byte character; A3 A1 to A3 FE become
/// 0x21 to 0x7E, A1 A1 becomes a space, and any other double-byte character ends the number.
std::string FoldedNumberPrefix(std::string_view text)
{
    std::string result;
    bool inWhiteSpace = true;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char c = text[i];
        std::size_t length = 1;
        if (lead >= 0x80 && i + 1 < text.size() && text[i + 1] != '\0') {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            length = 2;
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
                c = static_cast<char>(trail - 0x80);
            else if (lead == 0xA1 && trail == 0xA1)
                c = ' ';
            else
                break;
        }
        if (inWhiteSpace && IsCSpace(c)) {
            i += length;
            continue;
        }
        inWhiteSpace = false;
        if (!IsNumberChar(c))
            break;
        result.push_back(c);
        i += length;
    }
    return result;
}

/// Number of decimal digits at the start of s from position i.
std::size_t CountDigits(std::string_view s, std::size_t i)
{
    std::size_t n = 0;
    while (i + n < s.size() && IsDigit(s[i + n]))
        ++n;
    return n;
}

} // namespace

std::int32_t TextToInt(std::string_view text)
{
    const std::string s = FoldedNumberPrefix(text);
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    // C's atoi leaves a value outside the 32-bit range undefined; it is clamped to the range
    // here instead (which is also what the Microsoft C library's atoi returns).
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t magnitude = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > kMax + 1)
            magnitude = kMax + 1; // stays bounded however many digits follow
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(value > kMax ? kMax : (value < kMin ? kMin : value));
}

double TextToNumber(std::string_view text)
{
    // Only decimal numbers are read: sign, digits with an optional fraction, an optional
    // exponent. The other forms of atof ("inf", "nan", hexadecimal "0x1p3") give what their
    // decimal start gives (0 for "inf" and "nan", 0 for "0x1p3"), so that the result is always a
    // finite number that compares as expected.
    const std::string s = FoldedNumberPrefix(text);
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    const std::size_t integerDigits = CountDigits(s, i);
    i += integerDigits;
    std::size_t fractionDigits = 0;
    if (i < s.size() && s[i] == '.') {
        fractionDigits = CountDigits(s, i + 1);
        if (integerDigits > 0 || fractionDigits > 0)
            i += 1 + fractionDigits;
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return 0.0;
    const std::size_t mantissaEnd = i;
    // An exponent counts only with at least one digit ("2e" reads as 2, "2e+" as 2).
    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t exponentDigits = CountDigits(s, j);
        if (exponentDigits > 0) {
            for (std::size_t k = j; k < j + exponentDigits; ++k)
                exponent = std::min<std::int64_t>(exponent * 10 + (s[k] - '0'), 1'000'000'000);
            if (negativeExponent)
                exponent = -exponent;
            i = j + exponentDigits;
        }
    }

    // from_chars reads the decimal point as '.' whatever the process locale is.
    double value = 0.0;
    const char* first = s.data() + mantissaStart;
    const char* last = s.data() + i;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // atof leaves such a value undefined (in practice an infinity or zero). Here a number too
        // large for a double gives the largest finite double and one too small gives 0. Out of
        // range, the power of ten of the first non-zero digit is far above or far below 0.
        const std::string_view mantissa(first, mantissaEnd - mantissaStart);
        const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
        // A mantissa of zeros only is 0 and never out of range.
        std::int64_t leadingPower = exponent;
        if (firstNonZero < integerDigits)
            leadingPower += static_cast<std::int64_t>(integerDigits - firstNonZero) - 1;
        else
            leadingPower -= static_cast<std::int64_t>(firstNonZero - integerDigits); // past the '.'
        value = leadingPower > 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc{} || end != last) {
        value = 0.0; // not expected: the syntax was checked above
    }
    return negative ? -value : value;
}

} // namespace velmora
