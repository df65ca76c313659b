#include <openssl/evp.h>
#include <openssl/opensslv.h>

#include "platform/linux/shared_library.h"
#include "platform/md5.h"

namespace velmora {

// The library's file name follows its major version, which the headers name.
static_assert(OPENSSL_VERSION_MAJOR == 3, "libcrypto.so.3 is loaded below");

std::string Md5Digest(std::string_view bytes)
{
    // Only translations need it, so the library is loaded then rather than at every start.
    static const SharedLibrary crypto("libcrypto.so.3");
    static const auto digest = crypto.Find<decltype(EVP_Digest)>("EVP_Digest");
    static const auto md5 = crypto.Find<decltype(EVP_md5)>("EVP_md5");
    if (digest == nullptr || md5 == nullptr)
        return {};
    unsigned char result[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (digest(bytes.data(), bytes.size(), result, &length, md5(), nullptr) != 1)
        return {};
    return std::string(reinterpret_cast<const char*>(result), length);
}

} // namespace velmora
