#pragma once

#include "web/text.h"

namespace velmora {

/// The skin the program carries for a theme; empty for the default theme, which has none.
ByteString ThemeSkin(int theme);

} // namespace velmora
