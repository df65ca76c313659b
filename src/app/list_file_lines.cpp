#include "app/list_file_lines.h"

#include <string>
#include <utility>

#include "platform/code_page.h"

namespace velmora {

namespace {
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr char16_t kNumberEnd = u'=';
constexpr char16_t kFieldSeparator = u'，';
} // namespace

void ForEachListFileLine(std::string_view stored, const std::function<void(const ListFileLine&)>& each)
{
    stored = stored.substr(0, stored.find('\0'));
    // Split after decoding: "€" is the single byte 0x80, which byte stepping would pair with the
    // line end or comma after it, and the bytes of "，" can straddle two characters.
    const std::u16string text = Utf16FromStored(stored);
    bool header = true;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(kLineEnd, start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string_view line = std::u16string_view(text).substr(start, end - start);
        start = end + kLineEnd.size();
        if (std::exchange(header, false))
            continue;

        const std::size_t numberEnd = line.find(kNumberEnd);
        if (numberEnd == std::u16string_view::npos)
            continue;
        ListFileLine entry{line.substr(0, numberEnd), {}, {}};
        const std::u16string_view rest = line.substr(numberEnd + 1);
        if (const std::size_t separator = rest.find(kFieldSeparator); separator != std::u16string_view::npos) {
            entry.first = rest.substr(0, separator);
            entry.second = rest.substr(separator + 1);
        }
        each(entry);
    }
}

} // namespace velmora
