#pragma once

#include <utility>
#include <windows.h>

namespace velmora {

/// Owns one kernel handle (a file, a process, a thread, a token) and closes it at the end.
class Win32Handle
{
public:
    Win32Handle() = default;
    explicit Win32Handle(HANDLE handle) noexcept : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    Win32Handle(const Win32Handle&) = delete;
    Win32Handle& operator=(const Win32Handle&) = delete;
    Win32Handle(Win32Handle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Win32Handle& operator=(Win32Handle&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    ~Win32Handle() { Close(); }

    HANDLE Get() const noexcept { return m_handle; }
    bool Valid() const noexcept { return m_handle != nullptr; }

    /// Closes the handle now; false when the system reported an error (a deferred write error).
    bool Close() noexcept { return m_handle == nullptr || CloseHandle(std::exchange(m_handle, nullptr)) != FALSE; }

private:
    HANDLE m_handle = nullptr;
};

} // namespace velmora
