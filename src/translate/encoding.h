#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// The same characters as UTF-8 bytes, without a byte-order mark.
ByteString LocalToUtf8(std::string_view text);

/// Percent-encoding of the text's UTF-8 bytes: '-', '.', digits and ASCII letters stay, every
/// other byte becomes "%" and two upper-case hexadecimal digits.
Text UrlEncode(std::string_view text);

/// The bytes read as UTF-16LE code units (an odd last byte is left out), as program text up to
/// its first zero byte; characters code page 936 lacks become '?'.
Text BytesAsUtf16Text(std::string_view bytes);

} // namespace velmora
