#include "web/cookies.h"

#include <algorithm>
#include <vector>

namespace velmora {
namespace {
constexpr std::string_view kDeletedMark = "=deleted";

/// The items joined, each followed by the separator, without the final separator.
Text JoinItems(const std::vector<Text>& items, std::string_view separator)
{
    Text joined;
    for (const Text& item : items) {
        joined += item;
        joined += separator;
    }
    return LeftText(joined, static_cast<int>(joined.size() - separator.size()));
}
} // namespace

Text CookieName(std::string_view item)
{
    const int equals = FindText(item, "=");
    return equals == -1 ? TrimBlanks(item) : TrimBlanks(LeftText(item, equals - 1));
}

Text UniqueItems(std::string_view text, std::string_view separator)
{
    std::vector<Text> kept;
    for (Text& item : SplitText(text, separator)) {
        if (std::find(kept.begin(), kept.end(), item) == kept.end())
            kept.push_back(std::move(item));
    }
    return JoinItems(kept, separator);
}

Text MergeCookies(Text& oldCookies, Text& newCookies)
{
    oldCookies = RemoveBlanks(oldCookies);
    newCookies = RemoveBlanks(newCookies);

    std::vector<Text> merged = SplitText(newCookies, ";");
    for (Text& item : SplitText(oldCookies, ";")) {
        const Text name = CookieName(item);
        const bool named = std::any_of(merged.begin(), merged.end(),
                                       [&name](const Text& present) { return CookieName(present) == name; });
        if (!named)
            merged.push_back(std::move(item));
    }
    std::erase_if(merged, [](const Text& item) { return RightText(item, 8) == kDeletedMark; });

    oldCookies = UniqueItems(JoinItems(merged, "; "), "; ");
    return oldCookies;
}

} // namespace velmora
