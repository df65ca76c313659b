#include "platform/windows/wide_text.h"

#include <climits>
#include <windows.h>

namespace velmora {

std::wstring WideFromCodePage(unsigned codePage, std::string_view bytes)
{
    if (bytes.empty() || bytes.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (units <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), units);
    return wide;
}

std::string CodePageFromWide(unsigned codePage, std::wstring_view wide, bool exactOnly, bool* usedDefault)
{
    if (usedDefault != nullptr)
        *usedDefault = false;
    if (wide.empty() || wide.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(wide.size());
    const DWORD flags = exactOnly ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL defaultUsed = FALSE;
    // The UTF-8 and GB18030 code pages take no default-character argument.
    BOOL* defaultFlag = codePage == CP_UTF8 || codePage == 54936 ? nullptr : &defaultUsed;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, defaultFlag);
    if (length <= 0)
        return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, defaultFlag);
    if (usedDefault != nullptr)
        *usedDefault = defaultUsed != FALSE;
    return bytes;
}

} // namespace velmora
