#include <cstdint>
#include <windows.h>

#include "platform/code_page.h"
#include "platform/gb18030_sequences.h"
#include "platform/windows/wide_text.h"

namespace velmora {

namespace {

constexpr unsigned kCodePage936 = 936;
constexpr unsigned kGb18030 = 54936;

// wchar_t holds UTF-16 on Windows, so the two string types differ only in name.
std::wstring Wide(std::u16string_view utf16)
{
    return std::wstring(utf16.begin(), utf16.end());
}

std::u16string Utf16(std::wstring_view wide)
{
    return std::u16string(wide.begin(), wide.end());
}

bool IsSurrogatePair(std::u16string_view utf16, std::size_t at)
{
    return at + 1 < utf16.size() && utf16[at] >= 0xD800 && utf16[at] <= 0xDBFF && utf16[at + 1] >= 0xDC00 &&
           utf16[at + 1] <= 0xDFFF;
}

char32_t CodePointOfPair(std::u16string_view pair)
{
    return 0x10000 + ((static_cast<char32_t>(pair[0]) - 0xD800) << 10) + (static_cast<char32_t>(pair[1]) - 0xDC00);
}

// GB18030 numbers the characters beyond the Basic Multilingual Plane in order, from 90 30 81 30
// on: four bytes counting in bases 10, 126, 10 with a lead byte from 0x90.
std::string Gb18030FromSupplementary(char32_t codePoint)
{
    std::uint32_t linear = codePoint - 0x10000;
    std::string bytes(4, '\0');
    bytes[3] = static_cast<char>(0x30 + linear % 10);
    linear /= 10;
    bytes[2] = static_cast<char>(0x81 + linear % 126);
    linear /= 126;
    bytes[1] = static_cast<char>(0x30 + linear % 10);
    linear /= 10;
    bytes[0] = static_cast<char>(0x90 + linear);
    return bytes;
}

std::u16string SupplementaryFromGb18030(std::string_view bytes)
{
    const auto byte = [&](std::size_t at) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])); };
    if (byte(0) < 0x90 || byte(0) > 0xE3)
        return {};
    const std::uint32_t linear =
        (((byte(0) - 0x90) * 10 + (byte(1) - 0x30)) * 126 + (byte(2) - 0x81)) * 10 + (byte(3) - 0x30);
    const char32_t codePoint = 0x10000 + linear;
    if (codePoint > 0x10FFFF)
        return {};
    return {static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)),
            static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF))};
}

// The Basic Multilingual Plane's four-byte sequences follow a table that the system keeps as
// code page 54936; where it lacks that code page (as Wine does) the result is empty.
std::string Gb18030FromUtf16(std::u16string_view character)
{
    if (character.size() == 2)
        return Gb18030FromSupplementary(CodePointOfPair(character));
    return CodePageFromWide(kGb18030, Wide(character));
}

// Code page 936 holds no character beyond the Basic Multilingual Plane; each of them is one
// character the code page lacks, so it becomes one '?' rather than one for each half.
std::wstring OneUnitPerCharacter(std::u16string_view utf16)
{
    std::wstring wide;
    wide.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        if (IsSurrogatePair(utf16, at)) {
            wide += L'?';
            ++at;
        } else {
            wide += static_cast<wchar_t>(utf16[at]);
        }
    }
    return wide;
}

} // namespace

std::u16string Utf16FromGb18030(std::string_view fourBytes)
{
    if (std::u16string supplementary = SupplementaryFromGb18030(fourBytes); !supplementary.empty())
        return supplementary;
    return Utf16(WideFromCodePage(kGb18030, fourBytes));
}

// Windows keeps its code pages loaded.
void PrepareCodePages() {}

std::string LocalFromUtf16(std::u16string_view utf16)
{
    return CodePageFromWide(kCodePage936, OneUnitPerCharacter(utf16));
}

std::u16string Utf16FromLocal(std::string_view local)
{
    return Utf16(WideFromCodePage(kCodePage936, local));
}

std::string LocalFromUtf8(std::string_view utf8)
{
    return LocalFromUtf16(Utf16(WideFromCodePage(CP_UTF8, utf8)));
}

std::string Utf8FromLocal(std::string_view local)
{
    return CodePageFromWide(CP_UTF8, WideFromCodePage(kCodePage936, local));
}

std::string StoredFromUtf16(std::u16string_view utf16)
{
    bool usedDefault = false;
    std::string exact = CodePageFromWide(kCodePage936, Wide(utf16), true, &usedDefault);
    if (!usedDefault)
        return exact;
    // Only some characters are missing: write them one at a time.
    std::string stored;
    for (std::size_t at = 0; at < utf16.size();) {
        const std::u16string_view character = utf16.substr(at, IsSurrogatePair(utf16, at) ? 2 : 1);
        at += character.size();
        std::string bytes = CodePageFromWide(kCodePage936, Wide(character), true, &usedDefault);
        if (usedDefault) {
            bytes = Gb18030FromUtf16(character);
            // Only four-byte sequences can be told apart from code page 936 when read back; the few
            // characters GB18030 writes in two bytes keep the code page's best fit.
            if (bytes.size() != 4 || !IsFourByteSequence(bytes, 0))
                bytes = LocalFromUtf16(character);
        }
        stored += bytes;
    }
    return stored;
}

} // namespace velmora
