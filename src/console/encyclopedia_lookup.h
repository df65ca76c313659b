#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// The encyclopedia's item page of the word; the word travels percent-encoded as UTF-8.
std::string EncyclopediaPageAddress(std::string_view word);

/// What the console shows for the word: "百度百科：" and the description the word's item page
/// gives in its description tag ("" when there is none or no page came).
Text EncyclopediaLookup(std::string_view word);

} // namespace velmora
