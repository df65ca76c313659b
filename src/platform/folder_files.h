#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_replacement.h"

namespace velmora {

/// One entry of a folder as a listing finds it; the name is in the platform's own form.
struct FolderEntry
{
    std::basic_string_view<std::filesystem::path::value_type> name;
    /// A folder, or a link that leads to one.
    bool isFolder = false;
};

/// Ends a hold of FolderFiles::HoldFolder when it is destroyed.
class FolderHold
{
public:
    virtual ~FolderHold() = default;
};

/// What the batch operations need from the operating system beyond reading whole files and
/// making folders. Paths are in the platform's own form; every operation reports failure through its
/// result and never throws.
class FolderFiles
{
public:
    virtual ~FolderFiles() = default;

    /// Lets the calls that follow name the files directly in folder relative to it, held open,
    /// rather than by their whole path, until the result is destroyed (before this object); a
    /// later hold takes the place of an earlier one. Nothing where holding brings no gain.
    virtual std::unique_ptr<FolderHold> HoldFolder(const std::filesystem::path& folder) = 0;

    /// Calls visit for every entry of the folder except the folder itself and its parent, in the
    /// order the system returns them; false when the folder cannot be read.
    virtual bool ListEntries(const std::filesystem::path& folder,
                             const std::function<void(const FolderEntry&)>& visit) const = 0;

    /// Moves or renames a file; an existing target is never replaced (the move then fails).
    virtual bool MoveFile(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

    /// Deletes a file; a folder, a read-only file (no write permission at all) or a file that
    /// the user may not write to stays.
    virtual bool DeleteFile(const std::filesystem::path& file) = 0;

    /// Replaces the whole content of a file, creating it when missing, as FileSystem::WriteFile
    /// does (a new file beside it takes its name and the old file's permissions; on failure the
    /// old content stays), but leaves the bytes in the disk cache rather than waiting for the
    /// disk, as a batch writes thousands of files. Folders are not created.
    virtual bool WriteFile(const std::filesystem::path& file, std::string_view bytes) = 0;

    /// Starts replacing the whole content of a file piece by piece, as WriteFile does at once, so
    /// that a large content need not be held in memory; nothing when the new file cannot be made.
    virtual std::unique_ptr<FileReplacement> ReplaceInPieces(const std::filesystem::path& file) = 0;

    /// Sets the creation, last-access and last-modification times of a file from local times; a
    /// time that is absent is left as it is, and so is the creation time where the system keeps
    /// none that can be set.
    virtual bool SetFileTimes(const std::filesystem::path& file, const std::optional<LocalTime>& creation,
                              const std::optional<LocalTime>& access, const std::optional<LocalTime>& modification) = 0;
};

} // namespace velmora
