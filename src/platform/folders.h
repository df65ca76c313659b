#pragma once

#include <filesystem>

namespace velmora {

/// The user's documents folder as the desktop names it, without creating it; empty when the
/// platform cannot tell.
std::filesystem::path DocumentsFolder();

} // namespace velmora
