#pragma once

#include <string_view>

#include "platform/clock.h"
#include "web/text.h"

namespace velmora {

/// The user's name in the chat transcript while none was chosen.
Text DefaultOwnNickname();

/// The robot's name in the chat transcript while none was chosen.
Text DefaultRobotNickname();

/// The console's help text, which replaces the transcript on a double click.
Text ConsoleHelpText();

/// The moment as hour, minute and second without leading zeros, joined by full-width colons
/// ("9：5：7").
Text ChatTimeStamp(const LocalTime& now);

/// One entry of the chat transcript: the name, four spaces and the stamp on the first line,
/// the message on the second.
Text TranscriptLine(std::string_view nickname, std::string_view stamp, std::string_view message);

} // namespace velmora
