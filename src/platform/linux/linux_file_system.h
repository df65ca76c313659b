#pragma once

#include "platform/file_system.h"

namespace velmora {

/// Files and folders through POSIX calls.
class LinuxFileSystem final : public FileSystem
{
public:
    std::optional<std::string> ReadFile(const std::filesystem::path& file) const override;
    bool WriteFile(const std::filesystem::path& file, std::string_view bytes) override;
    bool Exists(const std::filesystem::path& path) const override;
    bool IsFolder(const std::filesystem::path& path) const override;
    bool EnsureFolder(const std::filesystem::path& path) override;
};

} // namespace velmora
