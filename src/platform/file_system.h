#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

/// The files and folders the program reads and writes. Paths are in the platform's own form.
/// Every operation reports failure through its result and never throws.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    /// The whole content of a file, or nothing when it cannot be read.
    std::optional<std::string> ReadFile(const std::filesystem::path& file) const;

    /// The whole content of a file read into buffer, or nothing when it cannot be read. The bytes
    /// start at the beginning of buffer, which only ever grows: reading many files into one buffer
    /// allocates a few times rather than once per file.
    virtual std::optional<std::string_view> ReadFileInto(const std::filesystem::path& file,
                                                         std::string& buffer) const = 0;

    /// Replaces the whole content of a file, creating it when missing. The bytes go to a new file
    /// beside it that then takes its name, so the file never holds a partial write; on failure
    /// the old content stays and the result is false. Folders are not created.
    virtual bool WriteFile(const std::filesystem::path& file, std::string_view bytes) = 0;

    /// True when something exists at the path, readable or not.
    virtual bool Exists(const std::filesystem::path& path) const = 0;

    /// True when the path names an existing folder.
    virtual bool IsFolder(const std::filesystem::path& path) const = 0;

    /// Creates the folder and every missing folder above it; true when it exists afterwards.
    virtual bool EnsureFolder(const std::filesystem::path& path) = 0;
};

} // namespace velmora
