#pragma once

#include <string_view>

#include "web/text.h"

class QPlainTextEdit;

namespace velmora {

/// What a multi-line box holds, as program text with "\r\n" line ends.
Text BoxText(const QPlainTextEdit* box);

/// Replaces what a multi-line box holds; "\r\n" line ends become the box's own.
void SetBoxText(QPlainTextEdit* box, std::string_view text);

/// Adds text at the end of a multi-line box and scrolls it into view.
void AppendBoxText(QPlainTextEdit* box, std::string_view text);

} // namespace velmora
