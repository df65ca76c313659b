#include "translate/md5_hex.h"

#include <openssl/evp.h>

namespace velmora {

Text Md5Hex(std::string_view bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr) != 1)
        return {};
    constexpr char kHexDigits[] = "0123456789abcdef";
    Text hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHexDigits[digest[i] >> 4];
        hex += kHexDigits[digest[i] & 0x0F];
    }
    return hex;
}

} // namespace velmora
