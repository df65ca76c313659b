#pragma once

#include <filesystem>
#include <optional>

namespace velmora {

/// The system's dialog for choosing a file.
class FileDialog
{
public:
    virtual ~FileDialog() = default;
    /// Lets the user choose an existing file; nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> ChooseFileToOpen() = 0;
};

} // namespace velmora
