#pragma once

#include <string>

namespace velmora {

/// The address of the page that announces new versions: VELMORA_UPDATE_URL when it is set,
/// otherwise the program's own page.
std::string UpdatePageAddress();

} // namespace velmora
