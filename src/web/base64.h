#pragma once

#include "web/text.h"

namespace velmora {

/// Standard Base64 (RFC 4648 alphabet, "=" padding) on one line; an empty input gives "".
Text Base64Encode(const ByteString& bytes);

} // namespace velmora
