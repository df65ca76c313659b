#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// The name of one name=value cookie item, trimmed; the whole trimmed item when it has no "=".
Text CookieName(std::string_view item);

/// The items of text cut at separator, each repeated item dropped (the first kept), joined again.
Text UniqueItems(std::string_view text, std::string_view separator);

/// Folds the cookies a response set (newCookies) into the caller's cookie text (oldCookies):
/// the response's cookies first, then the caller's cookies it did not name, without items ending
/// in "=deleted", joined by "; ". Both texts lose their blanks; oldCookies receives the result.
Text MergeCookies(Text& oldCookies, Text& newCookies);

} // namespace velmora
