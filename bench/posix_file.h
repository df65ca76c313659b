#pragma once

// What the benchmark's own file programs share: owned descriptors and folders, a whole write.

#include <dirent.h>
#include <string_view>
#include <unistd.h>

class FileHandle
{
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

struct FolderCloser
{
    void operator()(DIR* folder) const { ::closedir(folder); }
};

inline bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}
