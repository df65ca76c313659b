#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// The MD5 digest of the bytes as 32 lower-case hexadecimal digits; "" when it cannot be computed.
Text Md5Hex(std::string_view bytes);

} // namespace velmora
