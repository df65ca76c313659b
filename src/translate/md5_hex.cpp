#include "translate/md5_hex.h"

#include "platform/md5.h"

namespace velmora {

Text Md5Hex(std::string_view bytes)
{
    constexpr char kHexDigits[] = "0123456789abcdef";
    Text hex;
    for (const char c : Md5Digest(bytes)) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kHexDigits[byte >> 4];
        hex += kHexDigits[byte & 0x0F];
    }
    return hex;
}

} // namespace velmora
