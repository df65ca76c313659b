#include "translate/unescape_text.h"

#include <optional>
#include <string>

#include "platform/code_page.h"
#include "translate/encoding.h"

namespace velmora {
namespace {
// The right single quotation mark in code page 936: apostrophes travel as it through the script
// step, whose string literal they would otherwise end.
constexpr std::string_view kRightQuote = "\xA1\xAF";
constexpr std::string_view kLineBreakMark = "{$}";

bool IsLineTerminator(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

std::optional<int> HexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return std::nullopt;
}

/// The value of count hexadecimal digits at units[at], or nothing when they are not all there.
std::optional<char16_t> HexUnit(std::u16string_view units, std::size_t at, std::size_t count)
{
    if (at + count > units.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<int> digit = HexValue(units[at + i]);
        if (!digit)
            return std::nullopt;
        value = value * 16 + *digit;
    }
    return static_cast<char16_t>(value);
}

bool IsOctalDigit(char16_t c)
{
    return c >= u'0' && c <= u'7';
}

/// Reads the units as the contents of a single-quoted string literal of ECMAScript (3rd edition,
/// with its octal escapes); nothing when the literal would not compile.
std::optional<std::u16string> ReadStringLiteral(std::u16string_view units)
{
    std::u16string value;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        if (IsLineTerminator(c))
            return std::nullopt;
        if (c != u'\\') {
            value += c;
            continue;
        }
        // A backslash at the end escapes the closing quote, and the literal never ends.
        if (++i == units.size() || IsLineTerminator(units[i]))
            return std::nullopt;
        const char16_t escaped = units[i];
        switch (escaped) {
        case u'b':
            value += u'\b';
            break;
        case u'f':
            value += u'\f';
            break;
        case u'n':
            value += u'\n';
            break;
        case u'r':
            value += u'\r';
            break;
        case u't':
            value += u'\t';
            break;
        case u'v':
            value += u'\v';
            break;
        case u'x':
        case u'u': {
            const std::size_t digits = escaped == u'x' ? 2 : 4;
            const std::optional<char16_t> unit = HexUnit(units, i + 1, digits);
            if (!unit)
                return std::nullopt;
            value += *unit;
            i += digits;
            break;
        }
        default:
            if (IsOctalDigit(escaped)) {
                // Up to three digits from 0-3, up to two from 4-7: the value stays below 256.
                int code = escaped - u'0';
                const std::size_t maxDigits = escaped <= u'3' ? 3 : 2;
                for (std::size_t n = 1; n < maxDigits && i + 1 < units.size() && IsOctalDigit(units[i + 1]); ++n)
                    code = code * 8 + (units[++i] - u'0');
                value += static_cast<char16_t>(code);
            } else {
                value += escaped; // quotes, backslash, slash and every other character
            }
        }
    }
    return value;
}

/// The script function unescape: "%uXXXX" and "%XX" become their code units, any other percent
/// sign stays.
std::u16string Unescape(std::u16string_view units)
{
    std::u16string value;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] == u'%') {
            if (i + 1 < units.size() && units[i + 1] == u'u') {
                if (const std::optional<char16_t> unit = HexUnit(units, i + 2, 4)) {
                    value += *unit;
                    i += 5;
                    continue;
                }
            }
            if (const std::optional<char16_t> unit = HexUnit(units, i + 1, 2)) {
                value += *unit;
                i += 2;
                continue;
            }
        }
        value += units[i];
    }
    return value;
}

/// The text the script step returns: its literal unescaped, as program text; "" when it fails.
Text ScriptResult(std::string_view text)
{
    const std::optional<std::u16string> literal = ReadStringLiteral(Utf16FromLocal(text));
    if (!literal)
        return {};
    Text local = LocalFromUtf16(Unescape(*literal));
    local.resize(local.find('\0') == Text::npos ? local.size() : local.find('\0'));
    return local;
}
} // namespace

Text UnescapeText(std::string_view text)
{
    Text prepared = ReplaceText(text, "\r\n", kLineBreakMark);
    if (!prepared.empty() && prepared.front() == '\r')
        prepared.erase(0, 1);
    prepared = ReplaceText(prepared, "\\u", "%u");
    prepared = ReplaceText(prepared, "'", kRightQuote);

    Text result = ScriptResult(prepared);
    if (result.empty())
        result = BytesAsUtf16Text(prepared);
    result = ReplaceText(result, kRightQuote, "'");
    return ReplaceText(result, kLineBreakMark, "\r\n");
}

} // namespace velmora
