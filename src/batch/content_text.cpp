#include "batch/content_text.h"

#include <cstdint>
#include <cstring>

#include "platform/code_page.h"

namespace velmora {

namespace {

/// The position of the first byte of 0x80 or more at or after at, or the end; plain ASCII text
/// is stepped over eight bytes at a time.
std::size_t NextNonAscii(std::string_view bytes, std::size_t at)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    for (std::uint64_t eight = 0; at + sizeof eight <= bytes.size(); at += sizeof eight) {
        std::memcpy(&eight, bytes.data() + at, sizeof eight);
        if ((eight & kHighBits) != 0)
            break;
    }
    while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80)
        ++at;
    return at;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t at = NextNonAscii(bytes, 0); at < bytes.size(); at = NextNonAscii(bytes, at)) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        std::size_t length = 0;
        char32_t character = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            character = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            character = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            character = lead & 0x07;
        } else {
            return false;
        }
        if (at + length > bytes.size())
            return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            character = (character << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond the last character are not UTF-8.
        constexpr char32_t kLowest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (character < kLowest[length] || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF)
            return false;
        at += length;
    }
    return true;
}

} // namespace

ContentEncoding EncodingOf(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? ContentEncoding::Utf8 : ContentEncoding::CodePage936;
}

std::string_view TextOfContent(std::string_view bytes)
{
    return bytes.substr(0, bytes.find('\0'));
}

std::optional<std::string> ExactlyIn(std::string_view utf8, ContentEncoding encoding)
{
    if (encoding == ContentEncoding::Utf8)
        return std::string(utf8);
    std::string local = LocalFromUtf8(utf8);
    if (Utf8FromLocal(local) != utf8)
        return std::nullopt;
    return local;
}

std::string BestFitIn(std::string_view utf8, ContentEncoding encoding)
{
    return encoding == ContentEncoding::Utf8 ? std::string(utf8) : LocalFromUtf8(utf8);
}

std::string Utf8Of(std::string_view text, ContentEncoding encoding)
{
    return encoding == ContentEncoding::Utf8 ? std::string(text) : Utf8FromLocal(text);
}

std::vector<std::string> SplitContent(std::string_view text, std::string_view separator, ContentEncoding encoding)
{
    std::vector<std::string> pieces;
    ForEachContentPiece(text, separator, encoding, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

void ForEachContentPiece(std::string_view text, std::string_view separator, ContentEncoding encoding,
                         const std::function<void(std::string_view piece)>& visit)
{
    if (encoding == ContentEncoding::CodePage936)
        return ForEachTextPiece(text, separator, visit);
    // No UTF-8 character holds an ASCII byte, so a byte search keeps to whole characters.
    if (text.empty())
        return;
    if (separator.empty())
        return visit(text);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t found = text.find(separator, start);
        if (found == std::string_view::npos) {
            visit(text.substr(start));
            break;
        }
        visit(text.substr(start, found - start));
        start = found + separator.size();
    }
}

int CountContentPieces(std::string_view text, std::string_view separator, ContentEncoding encoding)
{
    int count = 0;
    ForEachContentPiece(text, separator, encoding, [&count](std::string_view) { ++count; });
    return count;
}

std::string ReplaceContent(std::string_view text, std::string_view oldText, std::string_view newText,
                           ContentEncoding encoding)
{
    if (encoding == ContentEncoding::CodePage936)
        return ReplaceText(text, oldText, newText, true);
    if (oldText.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t found = text.find(oldText); found != std::string_view::npos; found = text.find(oldText, copied)) {
        result.append(text, copied, found - copied);
        result.append(newText);
        copied = found + oldText.size();
    }
    result.append(text, copied);
    return result;
}

} // namespace velmora
