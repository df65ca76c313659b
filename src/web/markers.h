#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// Everything from the first byte up to the first occurrence of marker at or after start
/// (below 1 counts as 1); "" when the marker does not occur.
Text TextBefore(std::string_view text, std::string_view marker, int start = 1, bool ignoreCase = false);

/// The bytes between the end of the first startMarker at or after start and the first endMarker
/// after it; "" when either is missing. "#引号" in a marker stands for a double quote.
Text TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker, int start = 1,
                 bool ignoreCase = false);

} // namespace velmora
