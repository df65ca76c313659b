#pragma once

#include "web/text.h"

namespace velmora {

/// The one section of the settings file, 启动项.
const Text& StartSection();

/// The key of the running seconds of all earlier runs, 启动时间.
const Text& RunTimeKey();

/// The key of the chosen theme, 主题.
const Text& ThemeKey();

} // namespace velmora
