#include "platform/linux/linux_file_system.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/random.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "platform/linux/posix_calls.h"
#include "platform/linux/unique_fd.h"

namespace velmora {

namespace {

/// Removes a file when it goes out of scope, unless released.
class RemoveOnExit
{
public:
    explicit RemoveOnExit(std::string path) : m_path(std::move(path)) {}
    RemoveOnExit(const RemoveOnExit&) = delete;
    RemoveOnExit& operator=(const RemoveOnExit&) = delete;
    ~RemoveOnExit()
    {
        if (m_armed) {
            ::unlink(m_path.c_str());
        }
    }
    void Release() noexcept { m_armed = false; }

private:
    std::string m_path;
    bool m_armed = true;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0)
{
    int fd = -1;
    do {
        fd = ActivePosixCalls().open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes)
{
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ActivePosixCalls().write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) { // no progress and no error: treat as a full device
            errno = ENOSPC;
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool FsyncRetrying(int fd)
{
    int result = -1;
    do {
        result = ActivePosixCalls().fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

std::uint64_t RandomSeed()
{
    std::uint64_t seed = 0;
    if (::getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed)) {
        // No entropy available yet: time and process id are unique enough.
        seed = static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15ULL ^
               static_cast<std::uint64_t>(::time(nullptr)) ^ static_cast<std::uint64_t>(::clock());
    }
    return seed;
}

/// Six random letters and digits for a temporary file name (as mkstemp uses). O_EXCL catches
/// every collision, so the names need only be unlikely to meet: a generator seeded once per
/// thread serves, rather than a system call for each name (a split writes a thousand files).
std::string RandomSuffix()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::uint64_t state = RandomSeed();
    // SplitMix64.
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t random = state;
    random = (random ^ (random >> 30)) * 0xBF58476D1CE4E5B9ULL;
    random = (random ^ (random >> 27)) * 0x94D049BB133111EBULL;
    random ^= random >> 31;
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += kLetters[random % (sizeof kLetters - 1)];
        random /= sizeof kLetters - 1;
    }
    return suffix;
}

/// Creates a new, unique temporary file in folder with the given creation mode (which the umask
/// and the folder's default ACL filter, as for any newly created file).
UniqueFd CreateTemporary(const std::filesystem::path& folder, mode_t mode, std::string& tempPath)
{
    // Hidden and recognisable; short so that it stays within NAME_MAX whatever the target's name.
    const std::string prefix = (folder.empty() ? std::string{} : folder.native() + '/') + ".velmora-tmp-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = prefix + RandomSuffix();
        const int fd = OpenRetrying(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0) {
            tempPath = std::move(candidate);
            return UniqueFd(fd);
        }
        if (errno != EEXIST) {
            return UniqueFd();
        }
    }
    return UniqueFd();
}

/// The file that a write to path replaces, and into found what stands there now (the result of
/// stat, or nothing): a symbolic link is followed to the file it names, so that a linked
/// settings file stays linked and its target gets the new content.
std::filesystem::path ResolveTarget(const std::filesystem::path& file, std::optional<struct stat>& found)
{
    struct stat info
    {};
    if (::lstat(file.c_str(), &info) != 0) {
        found.reset();
        return file;
    }
    std::filesystem::path target = file;
    if (S_ISLNK(info.st_mode)) {
        std::error_code error;
        std::filesystem::path resolved = std::filesystem::canonical(file, error);
        if (!error) {
            target = std::move(resolved);
        }
        if (::stat(target.c_str(), &info) != 0) {
            found.reset();
            return target;
        }
    }
    found = info; // for anything but a link, lstat and stat agree
    return target;
}

bool SyncFolder(const std::filesystem::path& folder)
{
    UniqueFd fd(OpenRetrying(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.Valid() && FsyncRetrying(fd.Get());
}

/// A new content written into a temporary file beside the target, which takes the target's name
/// on Commit; the temporary file is removed unless it did.
class LinuxFileReplacement final : public FileReplacement
{
public:
    LinuxFileReplacement(std::filesystem::path target, UniqueFd fd, std::string tempPath, bool flushToDisk)
        : m_target(std::move(target)), m_fd(std::move(fd)), m_tempPath(std::move(tempPath)), m_removeTemp(m_tempPath),
          m_flushToDisk(flushToDisk)
    {}

    bool Append(std::string_view bytes) override
    {
        m_failed = m_failed || !WriteAll(m_fd.Get(), bytes);
        return !m_failed;
    }

    bool Commit() override
    {
        if (m_failed || !m_fd.Valid() || (m_flushToDisk && !FsyncRetrying(m_fd.Get())) || !m_fd.Close()) {
            m_failed = true;
            return false;
        }
        if (ActivePosixCalls().rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
            m_failed = true;
            return false;
        }
        m_removeTemp.Release();
        // Make the rename itself durable; the content is already complete either way.
        if (m_flushToDisk) {
            SyncFolder(m_target.parent_path());
        }
        return true;
    }

private:
    std::filesystem::path m_target;
    UniqueFd m_fd;
    std::string m_tempPath;
    RemoveOnExit m_removeTemp;
    bool m_flushToDisk;
    bool m_failed = false;
};

std::unique_ptr<FileReplacement> StartReplacementUnchecked(const std::filesystem::path& file, bool flushToDisk)
{
    if (file.empty() || !file.has_filename()) {
        return nullptr;
    }
    std::optional<struct stat> found;
    std::filesystem::path target = ResolveTarget(file, found);

    // A new file gets 0666 less the umask, as any newly created file. A replaced file keeps its
    // permission bits (and, where allowed, its owner); until they are applied the temporary file
    // is private, so that nobody can open it in between with wider rights.
    const bool replacesFile = found && S_ISREG(found->st_mode);

    std::string tempPath;
    UniqueFd fd = CreateTemporary(target.parent_path(), replacesFile ? 0600 : 0666, tempPath);
    if (!fd.Valid()) {
        return nullptr;
    }
    RemoveOnExit removeTemp(tempPath);

    if (replacesFile) {
        if (found->st_uid != ::geteuid() || found->st_gid != ::getegid()) {
            if (::fchown(fd.Get(), found->st_uid, found->st_gid) != 0) {
                // Only root (or a change of group) may do this; otherwise the writer owns it.
            }
        }
        if (::fchmod(fd.Get(), found->st_mode & 0777) != 0) {
            return nullptr;
        }
    }
    auto replacement = std::make_unique<LinuxFileReplacement>(std::move(target), std::move(fd), tempPath, flushToDisk);
    removeTemp.Release(); // the replacement removes it from now on
    return replacement;
}

/// Reads from fd to its end into buffer, starting at its beginning; the size of a regular file
/// (0 for anything else) sizes the buffer so that the file is read in one call. The bytes read,
/// or nothing on a read error.
std::optional<std::string_view> ReadToEnd(int fd, std::size_t expectedSize, std::string& buffer)
{
    // One byte beyond the expected size lets the read that finds the end come back at once.
    constexpr std::size_t kUnknownSizeBuffer = 65536;
    const std::size_t wanted = expectedSize > 0 ? expectedSize + 1 : kUnknownSizeBuffer;
    if (buffer.size() < wanted) {
        buffer.resize(wanted);
    }
    std::size_t done = 0;
    for (;;) {
        if (done == buffer.size()) {
            buffer.resize(buffer.size() * 2); // the file grew, or is no regular file
        }
        const ssize_t got = ActivePosixCalls().read(fd, buffer.data() + done, buffer.size() - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            return std::string_view(buffer.data(), done);
        }
        done += static_cast<std::size_t>(got);
    }
}

} // namespace

std::optional<std::string_view> LinuxFileSystem::ReadFileInto(const std::filesystem::path& file,
                                                              std::string& buffer) const
{
    try {
        if (file.empty()) {
            return std::nullopt;
        }
        // O_NONBLOCK keeps a FIFO without writer from blocking the open; it is switched off again
        // below so that reads behave normally.
        UniqueFd fd(OpenRetrying(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        if (!fd.Valid()) {
            return std::nullopt;
        }
        struct stat info
        {};
        if (::fstat(fd.Get(), &info) != 0 || S_ISDIR(info.st_mode)) {
            return std::nullopt;
        }
        const int flags = ::fcntl(fd.Get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
            return std::nullopt;
        }
        const bool sized = S_ISREG(info.st_mode) && info.st_size > 0;
        return ReadToEnd(fd.Get(), sized ? static_cast<std::size_t>(info.st_size) : 0, buffer);
    } catch (...) { // std::bad_alloc, std::length_error
        return std::nullopt;
    }
}

std::unique_ptr<FileReplacement> StartFileReplacement(const std::filesystem::path& file, bool flushToDisk)
{
    try {
        return StartReplacementUnchecked(file, flushToDisk);
    } catch (...) {
        return nullptr;
    }
}

bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes, bool flushToDisk)
{
    const std::unique_ptr<FileReplacement> replacement = StartFileReplacement(file, flushToDisk);
    return replacement && replacement->Append(bytes) && replacement->Commit();
}

bool LinuxFileSystem::WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    return ReplaceFileContent(file, bytes, true);
}

bool LinuxFileSystem::Exists(const std::filesystem::path& path) const
{
    struct stat info
    {};
    return !path.empty() && ::lstat(path.c_str(), &info) == 0;
}

bool LinuxFileSystem::IsFolder(const std::filesystem::path& path) const
{
    if (path.empty()) {
        return false;
    }
    struct stat info
    {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool LinuxFileSystem::EnsureFolder(const std::filesystem::path& path)
{
    try {
        if (path.empty()) {
            return false;
        }
        std::error_code error;
        std::filesystem::create_directories(path, error);
        // The result of create_directories is not trusted on its own (a trailing separator or a
        // folder created meanwhile by someone else): what counts is that the folder exists now.
        return IsFolder(path);
    } catch (...) {
        return false;
    }
}

} // namespace velmora
