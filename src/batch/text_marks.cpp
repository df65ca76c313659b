#include "batch/text_marks.h"

namespace velmora {

namespace {

struct Marks
{
    std::string_view openQuote;
    std::string_view closeQuote;
    std::string_view empty;
};

Marks MarksIn(ContentEncoding encoding)
{
    if (encoding == ContentEncoding::Utf8)
        return {"\xE2\x80\x9C", "\xE2\x80\x9D", "(\xE7\xA9\xBA)"};
    return {"\xA1\xB0", "\xA1\xB1", "(\xBF\xD5)"};
}

// Bytes of the character at a position: in code page 936 a byte of 0x80 or more followed by a
// non-zero byte starts a double-byte character, whose second byte may look like a tilde or a
// backtick. No UTF-8 character holds an ASCII byte.
std::size_t CharacterLength(std::string_view text, std::size_t at, ContentEncoding encoding)
{
    const bool doubleByte = encoding == ContentEncoding::CodePage936 && static_cast<unsigned char>(text[at]) >= 0x80 &&
                            at + 1 < text.size() && text[at + 1] != '\0';
    return doubleByte ? 2 : 1;
}

// Both passes below copy the text between marks in whole runs, not character by character.
std::string ExpandQuotes(std::string_view text, const Marks& marks, ContentEncoding encoding)
{
    std::string result;
    result.reserve(text.size());
    bool opening = true;
    std::size_t runStart = 0; // first byte not yet copied
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text, at, encoding);
        if (length == 1 && (text[at] == '`' || text[at] == '~')) {
            result.append(text, runStart, at - runStart);
            if (text[at] == '`') {
                result += '"';
            } else {
                result += opening ? marks.openQuote : marks.closeQuote;
                opening = !opening;
            }
            runStart = at + 1;
        }
        at += length;
    }
    result.append(text, runStart);
    return result;
}

std::string ExpandPercentPairs(std::string_view text, const Marks& marks, ContentEncoding encoding)
{
    std::string result;
    result.reserve(text.size());
    bool emptyMarkUsed = false;
    std::size_t runStart = 0; // first byte not yet copied
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text, at, encoding);
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (length != 1 || text[at] != '%' || std::string_view("sdftTnN").find(next) == std::string_view::npos) {
            at += length;
            continue;
        }
        result.append(text, runStart, at - runStart);
        if (next == 'n') {
            result += "\r\n";
        } else if (next == 'N') {
            result += "\r\n\r\n";
        } else if (emptyMarkUsed) {
            result.append(text, at, 2);
        } else {
            emptyMarkUsed = true;
            if (next == 't')
                result.append("\"").append(marks.empty).append("\"");
            else if (next == 'T')
                result.append(marks.openQuote).append(marks.empty).append(marks.closeQuote);
            else
                result.append(marks.empty);
        }
        at += 2;
        runStart = at;
    }
    result.append(text, runStart);
    return result;
}

} // namespace

bool HoldsTextMarks(std::string_view text)
{
    // Three byte searches run far faster than one search for any of three bytes.
    const auto holds = [text](char mark) { return text.find(mark) != std::string_view::npos; };
    return holds('`') || holds('~') || holds('%');
}

std::string ExpandTextMarks(std::string_view text, ContentEncoding encoding)
{
    const Marks marks = MarksIn(encoding);
    return ExpandPercentPairs(ExpandQuotes(text, marks, encoding), marks, encoding);
}

} // namespace velmora
