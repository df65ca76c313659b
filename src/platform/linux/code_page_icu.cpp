#include <memory>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include "platform/code_page.h"
#include "platform/gb18030_sequences.h"

namespace velmora {
namespace {

struct ConverterCloser
{
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's own substitution drops the characters Unicode calls default-ignorable (the byte-order
// mark U+FEFF, U+200B, ...); Windows writes '?' for them like for any other character the code
// page lacks.
void WriteSubstitute(const void* /*context*/, UConverterFromUnicodeArgs* args, const UChar* /*codeUnits*/,
                     int32_t /*length*/, UChar32 /*codePoint*/, UConverterCallbackReason reason, UErrorCode* error)
{
    if (reason != UCNV_UNASSIGNED && reason != UCNV_ILLEGAL && reason != UCNV_IRREGULAR)
        return;
    *error = U_ZERO_ERROR;
    ucnv_cbFromUWriteSub(args, 0, error);
}

// Windows' own table of code page 936. Fallbacks give the best-fit characters Windows writes
// (² becomes 2); without them about 400 characters would turn into '?'.
ConverterPtr OpenCodePage936()
{
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open("windows-936-2000", &status));
    if (U_FAILURE(status))
        return nullptr;
    ucnv_setFallback(converter.get(), true);
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    ucnv_setFromUCallBack(converter.get(), WriteSubstitute, nullptr, nullptr, nullptr, &status);
    return U_FAILURE(status) ? nullptr : std::move(converter);
}

// A converter keeps state between calls, so each thread gets its own.
UConverter* CodePage936()
{
    thread_local ConverterPtr converter = OpenCodePage936();
    ucnv_reset(converter.get());
    return converter.get();
}

ConverterPtr OpenConverter(const char* name)
{
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open(name, &status));
    return U_FAILURE(status) ? nullptr : std::move(converter);
}

UConverter* Gb18030()
{
    thread_local ConverterPtr converter = OpenConverter("gb18030");
    ucnv_reset(converter.get());
    return converter.get();
}

std::string Gb18030FromUtf16(std::u16string_view utf16)
{
    char bytes[8];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written =
        ucnv_fromUChars(Gb18030(), bytes, sizeof bytes, utf16.data(), static_cast<int32_t>(utf16.size()), &status);
    return U_FAILURE(status) ? std::string() : std::string(bytes, static_cast<std::size_t>(written));
}

// Called by the exact converter for each character code page 936 cannot map without best fit.
void WriteUnmappedCharacter(const void* /*context*/, UConverterFromUnicodeArgs* args, const UChar* codeUnits,
                            int32_t length, UChar32 /*codePoint*/, UConverterCallbackReason reason, UErrorCode* error)
{
    if (reason != UCNV_UNASSIGNED && reason != UCNV_ILLEGAL && reason != UCNV_IRREGULAR)
        return;
    const std::u16string_view character(codeUnits, static_cast<std::size_t>(length));
    std::string bytes = reason == UCNV_UNASSIGNED ? Gb18030FromUtf16(character) : std::string();
    // Only four-byte sequences can be told apart from code page 936 when read back; the few
    // characters GB18030 writes in two bytes keep the code page's best fit.
    if (!IsFourByteSequence(bytes, 0))
        bytes = reason == UCNV_UNASSIGNED ? LocalFromUtf16(character) : std::string("?");
    *error = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, bytes.data(), static_cast<int32_t>(bytes.size()), 0, error);
}

ConverterPtr OpenExactCodePage936()
{
    ConverterPtr converter = OpenConverter("windows-936-2000");
    if (converter == nullptr)
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter.get(), WriteUnmappedCharacter, nullptr, nullptr, nullptr, &status);
    return U_FAILURE(status) ? nullptr : std::move(converter);
}

UConverter* ExactCodePage936()
{
    thread_local ConverterPtr converter = OpenExactCodePage936();
    ucnv_reset(converter.get());
    return converter.get();
}

std::string BytesFromUtf16(UConverter* converter, std::u16string_view utf16, std::size_t maxBytesPerUnit)
{
    if (utf16.empty() || converter == nullptr)
        return {};
    std::string bytes(utf16.size() * maxBytesPerUnit, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()), utf16.data(),
                                            static_cast<int32_t>(utf16.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return {};
    bytes.resize(static_cast<std::size_t>(written));
    return bytes;
}

} // namespace

void PrepareCodePages()
{
    CodePage936();
    ExactCodePage936();
    Gb18030();
}

std::string LocalFromUtf16(std::u16string_view utf16)
{
    // A double-byte code page needs at most two bytes for each UTF-16 unit.
    return BytesFromUtf16(CodePage936(), utf16, 2);
}

std::u16string Utf16FromLocal(std::string_view local)
{
    UConverter* converter = CodePage936();
    if (local.empty() || converter == nullptr)
        return {};
    // Never more UTF-16 units than bytes.
    std::u16string utf16(local.size(), u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucnv_toUChars(converter, utf16.data(), static_cast<int32_t>(utf16.size()), local.data(),
                                          static_cast<int32_t>(local.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return {};
    utf16.resize(static_cast<std::size_t>(written));
    return utf16;
}

std::string LocalFromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    std::u16string utf16(utf8.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    // Malformed UTF-8 becomes U+FFFD, which the code page then writes as '?'.
    u_strFromUTF8WithSub(utf16.data(), static_cast<int32_t>(utf16.size()), &length, utf8.data(),
                         static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return {};
    utf16.resize(static_cast<std::size_t>(length));
    return LocalFromUtf16(utf16);
}

std::string Utf8FromLocal(std::string_view local)
{
    const std::u16string utf16 = Utf16FromLocal(local);
    if (utf16.empty())
        return {};
    // Three UTF-8 bytes at most for each UTF-16 unit.
    std::string utf8(utf16.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(utf8.data(), static_cast<int32_t>(utf8.size()), &length, utf16.data(),
                static_cast<int32_t>(utf16.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return {};
    utf8.resize(static_cast<std::size_t>(length));
    return utf8;
}

std::u16string Utf16FromGb18030(std::string_view fourBytes)
{
    UErrorCode status = U_ZERO_ERROR;
    char16_t character[2];
    const int32_t length =
        ucnv_toUChars(Gb18030(), character, 2, fourBytes.data(), static_cast<int32_t>(fourBytes.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return {};
    return std::u16string(character, static_cast<std::size_t>(length));
}

std::string StoredFromUtf16(std::u16string_view utf16)
{
    return BytesFromUtf16(ExactCodePage936(), utf16, 4);
}

} // namespace velmora
