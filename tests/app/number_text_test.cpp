#include "app/number_text.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace velmora {
namespace {

// Code page 936 bytes of a readable (UTF-8) literal; full-width forms are A3 xx, U+3000 is A1 A1.
std::string L(const char* utf8)
{
    return LocalFromUtf8(utf8);
}

TEST(NumberText, FullWidthFormsAreTheCodePageBytes)
{
    EXPECT_EQ(L("１２"), "\xA3\xB1\xA3\xB2");
    EXPECT_EQ(L("　－．"), "\xA1\xA1\xA3\xAD\xA3\xAE");
}

struct IntCase
{
    std::string text;
    std::int32_t expected;
};

TEST(NumberText, TextToInt)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const IntCase cases[] = {
        {"", 0},
        {"0", 0},
        {"42", 42},
        {"  42", 42},
        {"\t\r\n\v\f 42", 42}, // the C locale's white space
        {"-7x", -7},
        {"+7", 7},
        {"-0", 0},
        {"12ab", 12},
        {"12.9", 12}, // the fraction is dropped
        {"-12.9", -12},
        {"007", 7},
        {"x12", 0}, // no digits
        {"-", 0},
        {"+-1", 0},
        {"- 1", 0},
        {"1 2", 1},
        {"1e3", 1},
        {"0x1A", 0},
        {"abc", 0},
        {"2147483647", kMax},
        {"-2147483648", kMin},
        // Out of range, C's atoi is undefined; the value is clamped instead (as the Microsoft
        // C library's atoi does).
        {"2147483648", kMax},
        {"-2147483649", kMin},
        {"99999999999999999999999999", kMax},
        {"-99999999999999999999999999", kMin},
        // Full-width forms read as their ASCII characters, the full-width space as a space.
        {L("１２"), 12},
        {L("１2３"), 123},
        {L("－７ｘ"), -7},
        {L("＋５"), 5},
        {L("　４２"), 42},
        {L("　 　４２"), 42},
        {L("１２．９"), 12},
        // Other double-byte characters end the number.
        {L("１２三"), 12},
        {L("12个"), 12},
        {L("三12"), 0},
        {L("个12"), 0},
        {"\xA3\x31\x32", 0}, // A3 31 is one double-byte character, not a full-width form
        {"12\xA3", 12},
        {"\xA1\xA1\x35", 5},
        {std::string{'\0', '1', '2'}, 0}, // a text ends at its first zero byte
        {std::string{'1', '2', '\0', '3'}, 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToInt(c.text), c.expected) << "\"" << c.text << "\"";
}

struct NumberCase
{
    std::string text;
    double expected;
};

TEST(NumberText, TextToNumber)
{
    constexpr double kMax = std::numeric_limits<double>::max();
    const NumberCase cases[] = {
        {"", 0.0},
        {"2.8", 2.8},
        {"2.9beta", 2.9},
        {"2.80000005", 2.80000005},
        {"  42", 42.0},
        {"\t-1.5", -1.5},
        {"+3", 3.0},
        {"12", 12.0},
        {"12.", 12.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {".", 0.0},
        {"-", 0.0},
        {"-.e1", 0.0},
        {"abc", 0.0},
        {"1e3", 1000.0},
        {"1E-3", 0.001},
        {"2.5e+2x", 250.0},
        {"2e", 2.0}, // an exponent needs a digit
        {"2e+", 2.0},
        {"2e-x", 2.0},
        {"1.2.3", 1.2}, // a version text reads up to its second point
        {"0x1A", 0.0},  // only decimal numbers are read
        {"0x1p3", 0.0},
        {"inf", 0.0},
        {"-infinity", 0.0},
        {"nan", 0.0},
        {"0.1", 0.1},
        {"1e308", 1e308},
        {"4.9e-324", 4.9e-324},
        // Out of the range of a double: the largest finite double or 0 (never an infinity).
        {"1e309", kMax},
        {"-1e309", -kMax},
        {"1e99999999999999999999", kMax},
        {"0.0001e400", kMax},
        {"1e-400", 0.0},
        {"1000e-400", 0.0},
        {"0.000000000000000000000000000000000000000000000000001e-300", 0.0},
        {"0e99999", 0.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        // Full-width forms read as their ASCII characters.
        {L("２．８"), 2.8},
        {L("　２．９ｂｅｔａ"), 2.9},
        {L("－１．５Ｅ２"), -150.0},
        {L("２.８版"), 2.8},
        {L("版本2.8"), 0.0},
        {"\xA3.5", 0.0}, // A3 2E is one double-byte character
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.text), c.expected) << "\"" << c.text << "\"";
}

} // namespace
} // namespace velmora
