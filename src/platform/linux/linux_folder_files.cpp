#include "platform/linux/linux_folder_files.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/linux_file_system.h"
#include "platform/linux/posix_calls.h"

namespace velmora {

namespace {

struct FolderCloser
{
    void operator()(DIR* folder) const { ::closedir(folder); }
};
using FolderHandle = std::unique_ptr<DIR, FolderCloser>;

bool IsFolderEntry(int folderFd, const dirent& entry)
{
    if (entry.d_type == DT_DIR) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    // A link counts as what it leads to, as a link to a folder does on Windows.
    struct stat info
    {};
    return ::fstatat(folderFd, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// For file systems without RENAME_NOREPLACE: a hard link fails on an existing name, so the
// target is never replaced; only once the new name exists is the old one removed.
bool MoveByLink(FolderRelativeName from, FolderRelativeName to)
{
    if (::linkat(from.folder, from.name, to.folder, to.name, 0) != 0) {
        return false;
    }
    if (::unlinkat(from.folder, from.name, 0) != 0) {
        ::unlinkat(to.folder, to.name, 0);
        return false;
    }
    return true;
}

bool SameLocalTime(const LocalTime& a, const LocalTime& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

constexpr std::chrono::seconds kRememberedFor{1};

} // namespace

std::time_t LocalTimeConversions::SecondsOf(const LocalTime& time)
{
    const auto now = std::chrono::steady_clock::now();
    for (const std::optional<Remembered>& remembered : m_remembered) {
        if (remembered && SameLocalTime(remembered->time, time) && now - remembered->when < kRememberedFor)
            return remembered->seconds;
    }
    std::tm local{};
    local.tm_year = time.year - 1900;
    local.tm_mon = time.month - 1;
    local.tm_mday = time.day;
    local.tm_hour = time.hour;
    local.tm_min = time.minute;
    local.tm_sec = time.second;
    local.tm_isdst = -1; // the local zone decides whether summer time applies
    const std::time_t seconds = std::mktime(&local);
    m_remembered[m_next] = Remembered{time, seconds, now};
    m_next = (m_next + 1) % m_remembered.size();
    return seconds;
}

timespec LinuxFolderFiles::FileTimeOf(const std::optional<LocalTime>& time)
{
    if (!time) {
        return {0, UTIME_OMIT};
    }
    return {m_conversions.SecondsOf(*time), 0};
}

std::unique_ptr<FolderHold> LinuxFolderFiles::HoldFolder(const std::filesystem::path& folder)
{
    try {
        return std::make_unique<HeldFolder>(folder.native(), m_heldFolder);
    } catch (...) { // std::bad_alloc: the whole paths serve
        return nullptr;
    }
}

bool LinuxFolderFiles::ListEntries(const std::filesystem::path& folder,
                                   const std::function<void(const FolderEntry&)>& visit) const
{
    FolderHandle handle(::opendir(folder.c_str()));
    if (!handle) {
        return false;
    }
    const int folderFd = ::dirfd(handle.get());
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(handle.get());
        if (entry == nullptr) {
            return errno == 0;
        }
        if (IsDotOrDotDot(entry->d_name)) {
            continue;
        }
        visit(FolderEntry{entry->d_name, IsFolderEntry(folderFd, *entry)});
    }
}

bool LinuxFolderFiles::MoveFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const FolderRelativeName source = HeldFolder::Locate(m_heldFolder, from);
    // A target in another folder (a sub-folder when sorting) is named by its whole path, so that
    // the folder of the files moved stays held.
    const FolderRelativeName target = HeldFolder::Locate(m_heldFolder, to);
    if (ActivePosixCalls().renameNoReplace(source.folder, source.name, target.folder, target.name) == 0) {
        return true;
    }
    // Plain rename() would silently replace the target, so it is never the fallback.
    if (errno == EINVAL || errno == ENOSYS) {
        return MoveByLink(source, target);
    }
    return false;
}

bool LinuxFolderFiles::DeleteFile(const std::filesystem::path& file)
{
    const FolderRelativeName located = HeldFolder::Locate(m_heldFolder, file);
    struct stat info
    {};
    if (::fstatat(located.folder, located.name, &info, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(info.st_mode)) {
        return false;
    }
    // Windows keeps read-only files, even for an administrator; here that is a file without any
    // write permission, or one this user may not write to. A link is removed itself, whatever
    // it leads to.
    const bool readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                          ::faccessat(located.folder, located.name, W_OK, AT_EACCESS) != 0;
    if (!S_ISLNK(info.st_mode) && readOnly) {
        return false;
    }
    return ::unlinkat(located.folder, located.name, 0) == 0;
}

bool LinuxFolderFiles::WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    return ReplaceFileContent(file, bytes, false);
}

std::unique_ptr<FileReplacement> LinuxFolderFiles::ReplaceInPieces(const std::filesystem::path& file)
{
    return StartFileReplacement(file, false);
}

bool LinuxFolderFiles::SetFileTimes(const std::filesystem::path& file, const std::optional<LocalTime>& /*creation*/,
                                    const std::optional<LocalTime>& access,
                                    const std::optional<LocalTime>& modification)
{
    // Linux keeps no settable creation time.
    const FolderRelativeName located = HeldFolder::Locate(m_heldFolder, file);
    if (!access && !modification) {
        // utimensat succeeds without looking at the file then; the answer must still say
        // whether the file could have taken new times.
        return ::faccessat(located.folder, located.name, W_OK, AT_EACCESS) == 0;
    }
    const timespec times[2] = {FileTimeOf(access), FileTimeOf(modification)};
    return ::utimensat(located.folder, located.name, times, 0) == 0;
}

} // namespace velmora
