#pragma once

#include <string>
#include <string_view>

// What both platforms' code page conversions share about GB18030 four-byte sequences, the form
// in which the program's own files keep characters code page 936 lacks.

namespace velmora {

/// True when a GB18030 four-byte sequence starts at the offset: lead, digit, lead, digit.
bool IsFourByteSequence(std::string_view bytes, std::size_t at);

/// The character one four-byte sequence stands for; empty when it stands for none. Each
/// platform's conversion supplies it.
std::u16string Utf16FromGb18030(std::string_view fourBytes);

} // namespace velmora
