#pragma once

#include "web/text.h"

namespace velmora {

/// A web answer taken as UTF-8 and turned into program text, up to its first zero byte;
/// characters code page 936 lacks become '?'.
Text Utf8ToLocalText(const ByteString& bytes);

} // namespace velmora
