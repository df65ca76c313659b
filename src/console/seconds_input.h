#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

/// Reads the console input as a whole number of seconds: white space at the start is skipped,
/// then an optional sign and the decimal digits up to the first other character (full-width
/// digits count); no digits give 0, and a number beyond 64 bits gives the nearest limit.
std::int64_t SecondsFromInput(std::string_view text);

} // namespace velmora
