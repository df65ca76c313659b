#include "translate/encoding.h"

#include "platform/code_page.h"

namespace velmora {

ByteString LocalToUtf8(std::string_view text)
{
    return Utf8FromLocal(text);
}

Text UrlEncode(std::string_view text)
{
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    Text encoded;
    for (const char byte : LocalToUtf8(text)) {
        const auto value = static_cast<unsigned char>(byte);
        const bool unreserved = byte == '-' || byte == '.' || (byte >= '0' && byte <= '9') ||
                                (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
        if (unreserved) {
            encoded += byte;
        } else {
            encoded += '%';
            encoded += kHexDigits[value >> 4];
            encoded += kHexDigits[value & 0x0F];
        }
    }
    return encoded;
}

Text BytesAsUtf16Text(std::string_view bytes)
{
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    Text local = LocalFromUtf16(units);
    local.resize(local.find('\0') == Text::npos ? local.size() : local.find('\0'));
    return local;
}

} // namespace velmora
