#pragma once

#include <string_view>

#include "platform/http_connection.h"
#include "web/text.h"

namespace velmora {

/// The chat robot API address that puts this message to the robot; the message travels
/// percent-encoded as UTF-8, so it arrives as typed.
std::string ChatRequestAddress(std::string_view message);

/// Puts the message to the robot and returns its answer as program text: the decoded reply
/// without its first byte; "" when no answer came. The request is made on the caller's
/// connection when one is given (so that the caller can abort it), otherwise on a new one.
Text ChatAnswer(std::string_view message, HttpConnection* connection = nullptr);

} // namespace velmora
