#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

/// Reads a text as C's atoi does, after folding full-width ASCII forms (A3 A1 to A3 FE) and the
/// full-width space into their ASCII counterparts: 12ab gives 12, -7x gives -7, "" gives 0.
/// A value outside the 32-bit range (undefined for atoi) is clamped to the range.
std::int32_t TextToInt(std::string_view text);

/// Reads a text as C's atof does, after the same folding: 2.9beta gives 2.9, "" gives 0.
/// Only decimal numbers are read (sign, digits, fraction, exponent; the decimal point is always
/// '.'); atof's "inf", "nan" and hexadecimal forms give 0. The result is always finite: a number
/// too large for a double gives the largest finite double (with its sign), one too small 0.
double TextToNumber(std::string_view text);

} // namespace velmora
