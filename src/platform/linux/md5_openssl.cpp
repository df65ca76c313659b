#include <openssl/evp.h>

#include "platform/md5.h"

namespace velmora {

std::string Md5Digest(std::string_view bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr) != 1)
        return {};
    return std::string(reinterpret_cast<const char*>(digest), length);
}

} // namespace velmora
