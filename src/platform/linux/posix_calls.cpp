#include "platform/linux/posix_calls.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace velmora {

PosixCalls SystemPosixCalls()
{
    return PosixCalls{
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        [](int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); },
        [](int fd, const void* bytes, std::size_t size) { return ::write(fd, bytes, size); },
        [](int fd) { return ::fsync(fd); },
        [](const char* from, const char* to) { return ::rename(from, to); },
        [](int fromFolder, const char* from, int toFolder, const char* to) {
            return ::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE);
        },
    };
}

PosixCalls& ActivePosixCalls()
{
    static PosixCalls calls = SystemPosixCalls();
    return calls;
}

} // namespace velmora
