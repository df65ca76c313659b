#pragma once

#include <memory>

#include "platform/file_replacement.h"
#include "platform/file_system.h"

namespace velmora {

/// Replaces the whole content of a file as Win32FileSystem::WriteFile does: through a new file
/// beside it that then takes its name. Without flushToDisk the bytes are left in the disk cache,
/// so that thousands of files are written quickly; a failed write still leaves the old content.
bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes, bool flushToDisk);

/// Starts replacing the whole content of a file piece by piece, in the same way; nothing when
/// the new file beside it cannot be made.
std::unique_ptr<FileReplacement> StartFileReplacement(const std::filesystem::path& file, bool flushToDisk);

/// Files and folders through the Windows API.
class Win32FileSystem final : public FileSystem
{
public:
    std::optional<std::string_view> ReadFileInto(const std::filesystem::path& file, std::string& buffer) const override;
    bool WriteFile(const std::filesystem::path& file, std::string_view bytes) override;
    bool Exists(const std::filesystem::path& path) const override;
    bool IsFolder(const std::filesystem::path& path) const override;
    bool EnsureFolder(const std::filesystem::path& path) override;
};

} // namespace velmora
