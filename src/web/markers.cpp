#include "web/markers.h"

namespace velmora {
namespace {
// "#引号" in code page 936.
constexpr std::string_view kQuoteWord = "#\xD2\xFD\xBA\xC5";

Text WithQuotes(std::string_view marker)
{
    return ReplaceText(marker, kQuoteWord, "\"");
}
} // namespace

Text TextBefore(std::string_view text, std::string_view marker, int start, bool ignoreCase)
{
    const int position = FindText(text, marker, start < 1 ? 1 : start, ignoreCase);
    return position == -1 ? Text() : LeftText(text, position - 1);
}

Text TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker, int start,
                 bool ignoreCase)
{
    const Text opening = WithQuotes(startMarker);
    const Text closing = WithQuotes(endMarker);
    const int position = FindText(text, opening, start, ignoreCase);
    if (position == -1)
        return {};
    const int contentStart = position + static_cast<int>(opening.size());
    const int end = FindText(text, closing, contentStart, ignoreCase);
    if (end == -1)
        return {};
    return MidText(text, contentStart, end - contentStart);
}

} // namespace velmora
