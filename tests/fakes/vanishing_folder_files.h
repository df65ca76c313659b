#pragma once

#include <filesystem>
#include <set>
#include <system_error>

#include "platform/folder_files.h"

namespace velmora {

/// Real folder files, except that the files named in `vanishing` are deleted by someone else
/// right after a listing has seen them, before the run gets to handle them.
class VanishingFolderFiles final : public FolderFiles
{
public:
    explicit VanishingFolderFiles(FolderFiles& real) : m_real(real) {}

    std::set<std::filesystem::path> vanishing;

    std::unique_ptr<FolderHold> HoldFolder(const std::filesystem::path& folder) override
    {
        return m_real.HoldFolder(folder);
    }

    bool ListEntries(const std::filesystem::path& folder,
                     const std::function<void(const FolderEntry&)>& visit) const override
    {
        const bool listed = m_real.ListEntries(folder, visit);
        for (const std::filesystem::path& file : vanishing) {
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
        return listed;
    }

    bool MoveFile(const std::filesystem::path& from, const std::filesystem::path& to) override
    {
        return m_real.MoveFile(from, to);
    }
    bool DeleteFile(const std::filesystem::path& file) override { return m_real.DeleteFile(file); }
    bool WriteFile(const std::filesystem::path& file, std::string_view bytes) override
    {
        return m_real.WriteFile(file, bytes);
    }
    std::unique_ptr<FileReplacement> ReplaceInPieces(const std::filesystem::path& file) override
    {
        return m_real.ReplaceInPieces(file);
    }
    bool SetFileTimes(const std::filesystem::path& file, const std::optional<LocalTime>& creation,
                      const std::optional<LocalTime>& access, const std::optional<LocalTime>& modification) override
    {
        return m_real.SetFileTimes(file, creation, access, modification);
    }

private:
    FolderFiles& m_real;
};

} // namespace velmora
