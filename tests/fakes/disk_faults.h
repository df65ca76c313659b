#pragma once

#include <cerrno>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "platform/linux/posix_calls.h"

namespace velmora {

/// Makes the real disk fail on purpose while it lives, by replacing system calls the file
/// operations make; every call comes back as it was at its end. Works for root too, where
/// permission bits stop nothing. Calls are counted from 1 over the whole life of the object.
class DiskFaults
{
public:
    DiskFaults() : m_saved(ActivePosixCalls()) {}
    DiskFaults(const DiskFaults&) = delete;
    DiskFaults& operator=(const DiskFaults&) = delete;
    ~DiskFaults() { ActivePosixCalls() = m_saved; }

    /// The disk fills up during the n-th write call: it stores half of its bytes, and the call
    /// that would store the rest fails with ENOSPC. Later writes succeed again.
    void FillDiskDuringWrite(int n)
    {
        auto state = std::make_shared<WriteState>();
        ActivePosixCalls().write = [real = m_saved.write, state, n](int fd, const void* bytes, std::size_t size) {
            const int call = ++state->calls;
            if (call == n && size >= 2)
                return real(fd, bytes, size / 2);
            if (call == n || call == n + 1) {
                errno = ENOSPC;
                return ssize_t{-1};
            }
            return real(fd, bytes, size);
        };
    }

    /// Every write fails with ENOSPC before storing anything.
    void FillDisk()
    {
        ActivePosixCalls().write = [](int, const void*, std::size_t) {
            errno = ENOSPC;
            return ssize_t{-1};
        };
    }

    /// Flushing to the disk fails with EIO, as it does when the disk reports a write error late.
    void FailFlushes()
    {
        ActivePosixCalls().fsync = [](int) {
            errno = EIO;
            return -1;
        };
    }

    /// Replacing or moving a file onto a name ending in targetEnd fails with EIO (every name
    /// when it is empty); the rest go through.
    void FailRenamesOnto(std::string targetEnd = {})
    {
        const auto fails = [targetEnd](const char* to) { return std::string_view(to).ends_with(targetEnd); };
        ActivePosixCalls().rename = [real = m_saved.rename, fails](const char* from, const char* to) {
            if (fails(to)) {
                errno = EIO;
                return -1;
            }
            return real(from, to);
        };
        ActivePosixCalls().renameNoReplace = [real = m_saved.renameNoReplace, fails](int fromFolder, const char* from,
                                                                                     int toFolder, const char* to) {
            if (fails(to)) {
                errno = EIO;
                return -1;
            }
            return real(fromFolder, from, toFolder, to);
        };
    }

    /// Reading a file whose name ends in nameEnd fails with EIO after the open succeeded, as a bad
    /// sector does; other files read normally.
    void FailReadsOf(std::string nameEnd)
    {
        auto badFds = std::make_shared<std::set<int>>();
        ActivePosixCalls().open = [real = m_saved.open, badFds, nameEnd](const char* path, int flags, mode_t mode) {
            const int fd = real(path, flags, mode);
            if (fd >= 0) {
                if (std::string_view(path).ends_with(nameEnd))
                    badFds->insert(fd);
                else
                    badFds->erase(fd);
            }
            return fd;
        };
        ActivePosixCalls().read = [real = m_saved.read, badFds](int fd, void* buffer, std::size_t size) {
            if (badFds->contains(fd)) {
                errno = EIO;
                return ssize_t{-1};
            }
            return real(fd, buffer, size);
        };
    }

private:
    struct WriteState
    {
        int calls = 0;
    };

    PosixCalls m_saved;
};

} // namespace velmora
