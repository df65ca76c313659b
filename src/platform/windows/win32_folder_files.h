#pragma once

#include "platform/folder_files.h"

namespace velmora {

/// Folder listing, moves, deletion, quick rewrites and file times through the Windows API.
class Win32FolderFiles final : public FolderFiles
{
public:
    std::unique_ptr<FolderHold> HoldFolder(const std::filesystem::path& folder) override;
    bool ListEntries(const std::filesystem::path& folder,
                     const std::function<void(const FolderEntry&)>& visit) const override;
    bool MoveFile(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool DeleteFile(const std::filesystem::path& file) override;
    bool WriteFile(const std::filesystem::path& file, std::string_view bytes) override;
    std::unique_ptr<FileReplacement> ReplaceInPieces(const std::filesystem::path& file) override;
    bool SetFileTimes(const std::filesystem::path& file, const std::optional<LocalTime>& creation,
                      const std::optional<LocalTime>& access, const std::optional<LocalTime>& modification) override;
};

} // namespace velmora
