// windows.h first: wincrypt.h builds on its types.
// clang-format off
#include <windows.h>
#include <wincrypt.h>
// clang-format on

#include "platform/md5.h"

namespace velmora {

namespace {

class CryptoProvider
{
public:
    CryptoProvider()
    {
        if (!CryptAcquireContextW(&m_handle, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
            m_handle = 0;
    }
    CryptoProvider(const CryptoProvider&) = delete;
    CryptoProvider& operator=(const CryptoProvider&) = delete;
    ~CryptoProvider()
    {
        if (m_handle != 0)
            CryptReleaseContext(m_handle, 0);
    }
    HCRYPTPROV Get() const { return m_handle; }

private:
    HCRYPTPROV m_handle = 0;
};

class Md5Hash
{
public:
    explicit Md5Hash(HCRYPTPROV provider)
    {
        if (provider == 0 || !CryptCreateHash(provider, CALG_MD5, 0, 0, &m_handle))
            m_handle = 0;
    }
    Md5Hash(const Md5Hash&) = delete;
    Md5Hash& operator=(const Md5Hash&) = delete;
    ~Md5Hash()
    {
        if (m_handle != 0)
            CryptDestroyHash(m_handle);
    }
    HCRYPTHASH Get() const { return m_handle; }

private:
    HCRYPTHASH m_handle = 0;
};

} // namespace

std::string Md5Digest(std::string_view bytes)
{
    const CryptoProvider provider;
    const Md5Hash hash(provider.Get());
    if (hash.Get() == 0)
        return {};
    // CryptHashData takes at most a DWORD of bytes at a time.
    constexpr std::size_t kChunk = 1U << 30;
    for (std::size_t at = 0; at < bytes.size(); at += kChunk) {
        const std::string_view chunk = bytes.substr(at, kChunk);
        if (!CryptHashData(hash.Get(), reinterpret_cast<const BYTE*>(chunk.data()), static_cast<DWORD>(chunk.size()),
                           0))
            return {};
    }
    std::string digest(16, '\0');
    DWORD length = static_cast<DWORD>(digest.size());
    if (!CryptGetHashParam(hash.Get(), HP_HASHVAL, reinterpret_cast<BYTE*>(digest.data()), &length, 0))
        return {};
    digest.resize(length);
    return digest;
}

} // namespace velmora
