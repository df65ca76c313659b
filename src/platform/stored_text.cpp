#include "platform/code_page.h"
#include "platform/gb18030_sequences.h"

namespace velmora {

bool IsFourByteSequence(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t offset) { return static_cast<unsigned char>(bytes[at + offset]); };
    const auto isLead = [](unsigned char b) { return b >= 0x81 && b <= 0xFE; };
    const auto isDigit = [](unsigned char b) { return b >= 0x30 && b <= 0x39; };
    return at + 4 <= bytes.size() && isLead(byte(0)) && isDigit(byte(1)) && isLead(byte(2)) && isDigit(byte(3));
}

std::u16string Utf16FromStored(std::string_view stored)
{
    std::u16string utf16;
    std::size_t runStart = 0;
    std::size_t at = 0;
    while (at < stored.size()) {
        if (IsFourByteSequence(stored, at)) {
            utf16 += Utf16FromLocal(stored.substr(runStart, at - runStart));
            utf16 += Utf16FromGb18030(stored.substr(at, 4));
            at += 4;
            runStart = at;
            continue;
        }
        // Step over double-byte characters whole, so a trail byte never starts a sequence.
        const auto byte = static_cast<unsigned char>(stored[at]);
        at += byte >= 0x81 && byte <= 0xFE && at + 1 < stored.size() ? 2 : 1;
    }
    utf16 += Utf16FromLocal(stored.substr(runStart));
    return utf16;
}

} // namespace velmora
