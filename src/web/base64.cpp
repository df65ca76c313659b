#include "web/base64.h"

#include <openssl/evp.h>

namespace velmora {

Text Base64Encode(const ByteString& bytes)
{
    // EVP_EncodeBlock writes one line with padding and a terminating zero.
    Text encoded(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int written =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(encoded.data()),
                        reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    encoded.resize(static_cast<std::size_t>(written));
    return encoded;
}

} // namespace velmora
