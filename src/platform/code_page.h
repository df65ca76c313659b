#pragma once

#include <string>
#include <string_view>

namespace velmora {

/// Converts UTF-16 to code page 936 bytes as Windows does, best-fit characters included;
/// characters the code page lacks become '?'.
std::string LocalFromUtf16(std::u16string_view utf16);

/// Converts code page 936 bytes to UTF-16; bytes that form no character become U+FFFD.
std::u16string Utf16FromLocal(std::string_view local);

/// Converts UTF-8 to code page 936 bytes, with the rules of LocalFromUtf16.
std::string LocalFromUtf8(std::string_view utf8);

/// Converts code page 936 bytes to UTF-8, with the rules of Utf16FromLocal.
std::string Utf8FromLocal(std::string_view local);

} // namespace velmora
