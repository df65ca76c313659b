#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// Decodes the escapes of a translation answer: "\u" escapes, the backslash escapes of a
/// single-quoted script string and the percent forms of the script function unescape, keeping
/// "\r\n" line breaks and apostrophes. Text that cannot be read that way is read as UTF-16LE
/// bytes instead.
Text UnescapeText(std::string_view text);

} // namespace velmora
