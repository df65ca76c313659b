#pragma once

#include <cstddef>
#include <functional>
#include <sys/types.h>

namespace velmora {

/// The system calls through which the Linux file operations touch the disk. Each entry starts
/// as the real call; tests replace single entries to make the disk fail the way a full disk, a
/// refused rename or a bad sector does, which permission bits cannot do for root.
struct PosixCalls
{
    std::function<int(const char* path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, void* buffer, std::size_t size)> read;
    std::function<ssize_t(int fd, const void* bytes, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
    /// renameat2 with RENAME_NOREPLACE: each name is relative to its folder's descriptor.
    std::function<int(int fromFolder, const char* from, int toFolder, const char* to)> renameNoReplace;
};

/// The real system calls.
PosixCalls SystemPosixCalls();

/// The calls the file operations use now: the real ones unless a test replaced some.
PosixCalls& ActivePosixCalls();

} // namespace velmora
