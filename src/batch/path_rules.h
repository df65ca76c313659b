#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

/// A path in the platform's own form; path rules work on it directly, never on code page text.
using NativePath = std::filesystem::path::string_type;
using NativePathView = std::basic_string_view<NativePath::value_type>;

/// The path up to and including its last separator; "" when it has none.
NativePath FolderOfPath(NativePathView path);

} // namespace velmora
