#include "web/text.h"

#include <algorithm>
#include <cstddef>

namespace velmora {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

unsigned char Byte(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

/// Length in bytes (1 or 2) of the character that begins at byte i (i < size): a byte of 0x80 or
/// more followed by a non-zero byte is one double-byte character.
std::size_t CharLength(std::string_view text, std::size_t i)
{
    return (Byte(text, i) >= 0x80 && i + 1 < text.size() && text[i + 1] != '\0') ? 2 : 1;
}

/// The first character start at or after byte at (at < size). A byte below 0x80 is never the
/// first byte of a double-byte character, so a character starts right after one. Going back
/// from at to the nearest such byte and then forwards finds the characters without walking the
/// text from its beginning (in a text without any byte below 0x80 that is the whole way back).
std::size_t CharStartAtOrAfter(std::string_view text, std::size_t at)
{
    std::size_t start = at;
    while (start > 0 && Byte(text, start - 1) >= 0x80 && text[start] != '\0')
        --start;
    while (start < at)
        start += CharLength(text, start);
    return start;
}

/// Lower-cases the ASCII letters; every other byte stays as it is.
unsigned char FoldCase(unsigned char b)
{
    return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b | 0x20) : b;
}

bool IsAsciiLetter(unsigned char b)
{
    return FoldCase(b) >= 'a' && FoldCase(b) <= 'z';
}

/// True when text holds an ASCII letter as a single-byte character (bytes of double-byte
/// characters do not count).
bool HasSingleByteLetter(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (IsAsciiLetter(Byte(text, i)))
            return true;
    }
    return false;
}

/// Blank at byte i (a character start): its length (1 for the ASCII space, 2 for the full-width
/// space A1 A1), or 0 when the character there is no blank.
std::size_t BlankLength(std::string_view text, std::size_t i)
{
    if (text[i] == ' ')
        return 1;
    if (Byte(text, i) == 0xA1 && i + 1 < text.size() && Byte(text, i + 1) == 0xA1)
        return 2;
    return 0;
}

/// Finds the occurrences of one pattern in one text, left to right, only at character starts.
///
/// The matcher keeps a cursor on a character start of the text and only ever moves it forwards,
/// so a whole series of Next calls with growing positions walks the text once: finding every
/// occurrence costs one pass over the text plus the comparisons.
class Matcher
{
public:
    /// firstCharStart: a byte position known to be a character start (the scan begins there).
    Matcher(std::string_view text, std::string_view pattern, bool ignoreCase, std::size_t firstCharStart = 0)
        : m_text(text), m_pattern(pattern), m_cursor(firstCharStart),
          // Without single-byte letters in the pattern, comparing without regard to case is
          // the same as comparing bytes, and the byte search is the fast one.
          m_ignoreCase(ignoreCase && HasSingleByteLetter(pattern))
    {}

    /// Position (0-based) of the first occurrence that begins on a character start at or after
    /// byte from, or kNone. from must not lie before the position of the previous call's result.
    std::size_t Next(std::size_t from)
    {
        if (m_pattern.empty() || m_pattern.size() > m_text.size())
            return kNone;
        return m_ignoreCase ? NextIgnoringCase(from) : NextExact(from);
    }

private:
    /// Moves the cursor to the first character start at or after target and returns it.
    std::size_t AdvanceTo(std::size_t target)
    {
        while (m_cursor < target)
            m_cursor += CharLength(m_text, m_cursor);
        return m_cursor;
    }

    std::size_t NextExact(std::size_t from)
    {
        while (true) {
            const std::size_t candidate = m_text.find(m_pattern, from);
            if (candidate == kNone)
                return kNone;
            if (AdvanceTo(candidate) == candidate)
                return candidate;
            // The candidate begins on the second byte of a double-byte character.
            from = candidate + 1;
        }
    }

    std::size_t NextIgnoringCase(std::size_t from)
    {
        const std::size_t last = m_text.size() - m_pattern.size();
        const unsigned char first = FoldCase(static_cast<unsigned char>(m_pattern[0]));
        for (std::size_t i = AdvanceTo(from); i <= last; i += CharLength(m_text, i)) {
            m_cursor = i;
            if (FoldCase(Byte(m_text, i)) == first && EqualIgnoringCaseAt(i))
                return i;
        }
        return kNone;
    }

    /// The pattern equals the text at character start at, letters of single-byte characters
    /// compared without regard to case and double-byte characters byte for byte.
    bool EqualIgnoringCaseAt(std::size_t at) const
    {
        const std::size_t size = m_pattern.size();
        for (std::size_t i = 0; i < size;) {
            const std::size_t length = CharLength(m_text, at + i);
            if (length == 2) {
                if (m_text[at + i] != m_pattern[i] || (i + 1 < size && m_text[at + i + 1] != m_pattern[i + 1]))
                    return false;
            } else if (FoldCase(Byte(m_text, at + i)) != FoldCase(static_cast<unsigned char>(m_pattern[i]))) {
                return false;
            }
            i += length;
        }
        return true;
    }

    std::string_view m_text;
    std::string_view m_pattern;
    std::size_t m_cursor;
    bool m_ignoreCase;
};

} // namespace

int FindText(std::string_view text, std::string_view pattern, int start, bool ignoreCase)
{
    std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= text.size())
        return -1;
    // A start on the second byte of a double-byte character searches from the next character.
    from = CharStartAtOrAfter(text, from);
    Matcher matcher(text, pattern, ignoreCase, from);
    const std::size_t found = matcher.Next(from);
    return found == kNone ? -1 : static_cast<int>(found + 1);
}

Text LeftText(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text RightText(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(n));
    return Text(text.substr(text.size() - count));
}

Text MidText(std::string_view text, int start, int n)
{
    if (start < 1 || static_cast<std::size_t>(start) > text.size() || n <= 0)
        return {};
    return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

Text TrimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t blank = BlankLength(text, begin);
        if (blank == 0)
            break;
        begin += blank;
    }
    // The end of the last character that is no blank; found going forwards, since going
    // backwards cannot tell a trailing A1 A1 from the second byte of a character and an A1.
    std::size_t end = begin;
    for (std::size_t i = begin; i < text.size();) {
        const std::size_t length = CharLength(text, i);
        if (BlankLength(text, i) == 0)
            end = i + length;
        i += length;
    }
    return Text(text.substr(begin, end - begin));
}

Text RemoveBlanks(std::string_view text)
{
    Text result;
    result.reserve(text.size());
    std::size_t runStart = 0; // first byte not yet copied or dropped
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t blank = BlankLength(text, i);
        if (blank != 0) {
            result.append(text, runStart, i - runStart);
            i += blank;
            runStart = i;
        } else {
            i += CharLength(text, i);
        }
    }
    result.append(text, runStart, text.size() - runStart);
    return result;
}

std::vector<Text> SplitText(std::string_view text, std::string_view separator)
{
    std::vector<Text> pieces;
    ForEachTextPiece(text, separator, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

void ForEachTextPiece(std::string_view text, std::string_view separator,
                      const std::function<void(std::string_view piece)>& visit)
{
    if (text.empty())
        return;
    if (separator.empty()) {
        visit(text);
        return;
    }
    Matcher matcher(text, separator, false);
    std::size_t pieceStart = 0;
    for (std::size_t found = matcher.Next(0); found != kNone; found = matcher.Next(pieceStart)) {
        visit(text.substr(pieceStart, found - pieceStart));
        pieceStart = found + separator.size();
    }
    if (pieceStart < text.size())
        visit(text.substr(pieceStart));
}

Text ReplaceText(std::string_view text, std::string_view oldText, std::string_view newText, bool caseSensitive)
{
    if (text.empty() || oldText.empty())
        return Text(text);
    Matcher matcher(text, oldText, !caseSensitive);
    std::size_t found = matcher.Next(0);
    if (found == kNone)
        return Text(text);

    Text result;
    result.reserve(text.size());
    std::size_t copied = 0; // bytes of text already handled
    for (; found != kNone; found = matcher.Next(copied)) {
        result.append(text, copied, found - copied);
        result.append(newText);
        copied = found + oldText.size();
    }
    result.append(text, copied, text.size() - copied);
    return result;
}

} // namespace velmora
