#include "web/base64.h"

namespace velmora {

Text Base64Encode(const ByteString& bytes)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Text encoded;
    encoded.reserve(4 * ((bytes.size() + 2) / 3));
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t left = bytes.size() - at;
        const unsigned group = (byte(at) << 16) | (left > 1 ? byte(at + 1) << 8 : 0U) | (left > 2 ? byte(at + 2) : 0U);
        encoded += kAlphabet[(group >> 18) & 0x3F];
        encoded += kAlphabet[(group >> 12) & 0x3F];
        encoded += left > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
        encoded += left > 2 ? kAlphabet[group & 0x3F] : '=';
    }
    return encoded;
}

} // namespace velmora
