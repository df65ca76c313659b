#pragma once

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace velmora {

/// Owns one file descriptor and closes it when it goes out of scope.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) noexcept : m_fd(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    ~UniqueFd() { Reset(); }

    int Get() const noexcept { return m_fd; }
    bool Valid() const noexcept { return m_fd >= 0; }

    /// Closes the descriptor and reports whether close() succeeded (it can report a deferred
    /// write error). Linux releases the descriptor even when close() fails, so it is never retried.
    bool Close() noexcept
    {
        if (m_fd < 0) {
            return true;
        }
        const int result = ::close(std::exchange(m_fd, -1));
        return result == 0 || errno == EINTR;
    }

private:
    void Reset() noexcept
    {
        if (m_fd >= 0) {
            ::close(std::exchange(m_fd, -1));
        }
    }

    int m_fd = -1;
};

} // namespace velmora
