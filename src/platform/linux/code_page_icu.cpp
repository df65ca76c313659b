#include <memory>

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include "platform/code_page.h"

namespace velmora {
namespace {

struct ConverterCloser
{
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

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
    return converter;
}

// A converter keeps state between calls, so each thread gets its own.
UConverter* CodePage936()
{
    thread_local ConverterPtr converter = OpenCodePage936();
    ucnv_reset(converter.get());
    return converter.get();
}

} // namespace

std::string LocalFromUtf16(std::u16string_view utf16)
{
    UConverter* converter = CodePage936();
    if (utf16.empty() || converter == nullptr)
        return {};
    const auto length = static_cast<int32_t>(utf16.size());
    // A double-byte code page needs at most two bytes for each UTF-16 unit.
    std::string local(utf16.size() * 2, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written =
        ucnv_fromUChars(converter, local.data(), static_cast<int32_t>(local.size()), utf16.data(), length, &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return {};
    local.resize(static_cast<std::size_t>(written));
    return local;
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

} // namespace velmora
