#pragma once

#include <filesystem>
#include <string_view>

namespace velmora {

/// The first executable file of that name in the folders of PATH; empty when there is none.
std::filesystem::path FindOnSearchPath(std::string_view name);

} // namespace velmora
