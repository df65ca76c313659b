#pragma once

#include <string>
#include <string_view>

namespace velmora {

/// Bytes in a Windows code page as UTF-16 (MultiByteToWideChar with no flags).
std::wstring WideFromCodePage(unsigned codePage, std::string_view bytes);

/// UTF-16 as bytes in a Windows code page (WideCharToMultiByte). With exactOnly set, characters
/// the code page lacks are not replaced by a best fit, and usedDefault tells whether any
/// character had to become the code page's default character.
std::string CodePageFromWide(unsigned codePage, std::wstring_view wide, bool exactOnly = false,
                             bool* usedDefault = nullptr);

} // namespace velmora
