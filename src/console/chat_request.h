#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// The chat robot API address that puts this message to the robot; the message travels
/// percent-encoded as UTF-8, so it arrives as typed.
std::string ChatRequestAddress(std::string_view message);

/// Puts the message to the robot and returns its answer as program text: the decoded reply
/// without its first byte; "" when no answer came.
Text ChatAnswer(std::string_view message);

} // namespace velmora
