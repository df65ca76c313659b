// The decoders and encoders of web texts on arbitrary bytes.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "translate/encoding.h"
#include "translate/unescape_text.h"
#include "web/utf8_text.h"

using namespace velmora;

namespace {

bool IsUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const Text local = Utf8ToLocalText(bytes);
    FUZZ_CHECK(local.find('\0') == std::string::npos);
    const std::string upToZero = bytes.substr(0, bytes.find('\0'));
    const bool ascii = std::all_of(upToZero.begin(), upToZero.end(), [](char c) { return c > 0; });
    if (ascii)
        FUZZ_CHECK(local == upToZero);

    UnescapeText(bytes);

    const Text encoded = UrlEncode(bytes);
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '%') {
            FUZZ_CHECK(i + 2 < encoded.size() && IsUpperHex(encoded[i + 1]) && IsUpperHex(encoded[i + 2]));
            i += 2;
        } else {
            FUZZ_CHECK(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.');
        }
    }
    return 0;
}
