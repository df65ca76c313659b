#pragma once

#include <cstdint>

#include "scheduler/date_time.h"
#include "web/text.h"

namespace velmora {

/// Seconds as days, hours, minutes and seconds ("1天1时1分1秒"), zero parts left out; 0 gives "".
Text DurationText(std::int64_t seconds);

/// The program's text form of a moment, "2019年3月3日9时14分24秒", with the time of day shortened
/// when its trailing parts are zero; the moment is clamped first.
Text TimeText(DateTime dateTime);

/// Reads the forms TimeText writes and forms such as "1970-01-01 08:00:00"; anything else, or an
/// impossible date or time, gives LowestDateTime().
DateTime ParseTimeText(std::string_view text);

/// Limits a moment to LowestDateTime() .. HighestDateTime().
DateTime ClampDateTime(DateTime dateTime);

} // namespace velmora
