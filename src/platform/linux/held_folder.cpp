#include "platform/linux/held_folder.h"

#include <fcntl.h>

namespace velmora {

namespace {

/// A folder's path without its trailing separators ("/" stays), as the paths of the files in
/// it begin.
std::string_view WithoutTrailingSeparators(std::string_view folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    return folder;
}

} // namespace

HeldFolder::HeldFolder(std::string_view folder, const HeldFolder*& slot)
    : m_path(WithoutTrailingSeparators(folder)), m_slot(slot)
{
    if (!m_path.empty())
        m_folder = UniqueFd(::open(m_path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    m_slot = this;
}

HeldFolder::~HeldFolder()
{
    if (m_slot == this)
        m_slot = nullptr;
}

FolderRelativeName HeldFolder::Locate(const HeldFolder* held, const std::filesystem::path& file)
{
    const std::string_view path = file.native();
    const std::size_t separator = path.rfind('/');
    const bool directlyInHeld = held != nullptr && held->m_folder.Valid() && separator != std::string_view::npos &&
                                separator + 1 < path.size() &&
                                WithoutTrailingSeparators(path.substr(0, separator + 1)) == held->m_path;
    if (!directlyInHeld)
        return {AT_FDCWD, file.c_str()};
    return {held->m_folder.Get(), file.c_str() + separator + 1};
}

} // namespace velmora
