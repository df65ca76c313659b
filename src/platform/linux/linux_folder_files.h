#pragma once

#include <array>
#include <chrono>
#include <ctime>

#include "platform/folder_files.h"
#include "platform/linux/held_folder.h"

namespace velmora {

/// Seconds since the epoch of local times, the last two remembered for a second: the C library
/// reads the zone's rules again on every conversion, and a batch gives thousands of files the
/// same two times. Forgetting after a second keeps a change of zone followed.
class LocalTimeConversions
{
public:
    std::time_t SecondsOf(const LocalTime& time);

private:
    struct Remembered
    {
        LocalTime time;
        std::time_t seconds = 0;
        std::chrono::steady_clock::time_point when;
    };
    std::array<std::optional<Remembered>, 2> m_remembered;
    std::size_t m_next = 0;
};

/// Folder listing, moves, deletion, quick rewrites and file times through POSIX calls.
class LinuxFolderFiles final : public FolderFiles
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

private:
    timespec FileTimeOf(const std::optional<LocalTime>& time);

    LocalTimeConversions m_conversions;
    const HeldFolder* m_heldFolder = nullptr;
};

} // namespace velmora
