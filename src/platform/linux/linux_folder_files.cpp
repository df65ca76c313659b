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
bool MoveByLink(const char* from, const char* to)
{
    if (::link(from, to) != 0) {
        return false;
    }
    if (::unlink(from) != 0) {
        ::unlink(to);
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
    if (ActivePosixCalls().renameNoReplace(from.c_str(), to.c_str()) == 0) {
        return true;
    }
    // Plain rename() would silently replace the target, so it is never the fallback.
    if (errno == EINVAL || errno == ENOSYS) {
        return MoveByLink(from.c_str(), to.c_str());
    }
    return false;
}

bool LinuxFolderFiles::DeleteFile(const std::filesystem::path& file)
{
    struct stat info
    {};
    if (::lstat(file.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return false;
    }
    // Windows keeps read-only files, even for an administrator; here that is a file without any
    // write permission, or one this user may not write to. A link is removed itself, whatever
    // it leads to.
    const bool readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                          ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0;
    if (!S_ISLNK(info.st_mode) && readOnly) {
        return false;
    }
    return ::unlink(file.c_str()) == 0;
}

bool LinuxFolderFiles::WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    return ReplaceFileContent(file, bytes, false);
}

bool LinuxFolderFiles::SetFileTimes(const std::filesystem::path& file, const std::optional<LocalTime>& /*creation*/,
                                    const std::optional<LocalTime>& access,
                                    const std::optional<LocalTime>& modification)
{
    // Linux keeps no settable creation time.
    if (!access && !modification) {
        // utimensat succeeds without looking at the file then; the answer must still say
        // whether the file could have taken new times.
        return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
    }
    const timespec times[2] = {FileTimeOf(access), FileTimeOf(modification)};
    return ::utimensat(AT_FDCWD, file.c_str(), times, 0) == 0;
}

} // namespace velmora
