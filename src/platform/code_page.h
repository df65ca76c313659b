#pragma once

#include <string>
#include <string_view>

namespace velmora {

/// Opens this thread's conversion tables ahead of its first conversion, which would otherwise pay
/// for opening them.
void PrepareCodePages();

/// Converts UTF-16 to code page 936 bytes as Windows does, best-fit characters included;
/// characters the code page lacks become '?'.
std::string LocalFromUtf16(std::u16string_view utf16);

/// Converts code page 936 bytes to UTF-16; bytes that form no character become U+FFFD.
std::u16string Utf16FromLocal(std::string_view local);

/// Converts UTF-8 to code page 936 bytes, with the rules of LocalFromUtf16.
std::string LocalFromUtf8(std::string_view utf8);

/// Converts code page 936 bytes to UTF-8, with the rules of Utf16FromLocal.
std::string Utf8FromLocal(std::string_view local);

/// Converts UTF-16 to bytes for the program's own files: every character code page 936 maps
/// exactly is written as code page 936 writes it, any other character as its GB18030 four-byte
/// sequence, which code page 936 never uses, so files written before still read the same.
std::string StoredFromUtf16(std::u16string_view utf16);

/// Reads bytes written by StoredFromUtf16 (or plain code page 936) back to UTF-16.
std::u16string Utf16FromStored(std::string_view stored);

} // namespace velmora
