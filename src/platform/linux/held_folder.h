#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/folder_files.h"
#include "platform/linux/unique_fd.h"

namespace velmora {

/// A file named relative to a folder: the descriptor of an open folder (or AT_FDCWD) and the
/// name to give the *at system calls.
struct FolderRelativeName
{
    int folder;
    const char* name;
};

/// The folder of the files a batch run handles, held open for the run so that each file is
/// named relative to it: the system then looks up one name per call instead of every folder on
/// the way, which is much of the cost of a rename or a change of times.
class HeldFolder final : public FolderHold
{
public:
    /// Holds the folder open (nothing is held when it cannot be opened) and makes itself the
    /// folder held in slot, until it is destroyed.
    HeldFolder(std::string_view folder, const HeldFolder*& slot);
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;
    ~HeldFolder() override;

    /// The file relative to the held folder when it lies directly in it, its whole path
    /// (relative to the working folder) otherwise; held may be null.
    static FolderRelativeName Locate(const HeldFolder* held, const std::filesystem::path& file);

private:
    std::string m_path; // as the paths give it, without a trailing separator
    UniqueFd m_folder;
    const HeldFolder*& m_slot;
};

} // namespace velmora
