#include "batch/path_rules.h"

namespace velmora {

NativePath FolderOfPath(NativePathView path)
{
    // In the platform's own encoding no separator can hide inside a multi-byte character.
    const auto last = path.rfind(std::filesystem::path::preferred_separator);
    if (last == NativePathView::npos)
        return {};
    return NativePath(path.substr(0, last + 1));
}

} // namespace velmora
