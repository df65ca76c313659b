#pragma once

#include <string>
#include <string_view>

namespace velmora {

/// The 16 bytes of the MD5 digest of the bytes, computed by the system's cryptography; empty when
/// it cannot be computed.
std::string Md5Digest(std::string_view bytes);

} // namespace velmora
