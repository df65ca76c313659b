#include "platform/windows/win32_file_system.h"

#include <algorithm>
#include <climits>
#include <system_error>
#include <windows.h>

#include "platform/windows/win32_handle.h"

namespace velmora {

namespace {

/// Deletes a file when it goes out of scope, unless released.
class DeleteOnExit
{
public:
    explicit DeleteOnExit(std::wstring path) : m_path(std::move(path)) {}
    DeleteOnExit(const DeleteOnExit&) = delete;
    DeleteOnExit& operator=(const DeleteOnExit&) = delete;
    ~DeleteOnExit()
    {
        if (m_armed)
            DeleteFileW(m_path.c_str());
    }
    void Release() noexcept { m_armed = false; }

private:
    std::wstring m_path;
    bool m_armed = true;
};

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool WriteFileUnchecked(const std::filesystem::path& file, std::string_view bytes, bool flushToDisk)
{
    if (file.empty() || !file.has_filename())
        return false;
    const std::filesystem::path folder = file.parent_path();
    // A unique new file in the target's own folder, so that the final move stays on one volume.
    wchar_t tempPath[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"vlm", 0, tempPath) == 0)
        return false;
    DeleteOnExit removeTemp(tempPath);
    Win32Handle temp(
        CreateFileW(tempPath, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!temp.Valid() || !WriteAll(temp.Get(), bytes) || (flushToDisk && !FlushFileBuffers(temp.Get())) ||
        !temp.Close())
        return false;
    const DWORD moveFlags = MOVEFILE_REPLACE_EXISTING | (flushToDisk ? MOVEFILE_WRITE_THROUGH : 0);
    if (!MoveFileExW(tempPath, file.c_str(), moveFlags))
        return false;
    removeTemp.Release();
    return true;
}

} // namespace

bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes, bool flushToDisk)
{
    try {
        return WriteFileUnchecked(file, bytes, flushToDisk);
    } catch (...) {
        return false;
    }
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::filesystem::path& file) const
{
    try {
        if (file.empty())
            return std::nullopt;
        Win32Handle handle(CreateFileW(file.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle.Valid())
            return std::nullopt;
        std::string content;
        LARGE_INTEGER size{};
        if (GetFileSizeEx(handle.Get(), &size) && size.QuadPart > 0)
            content.reserve(static_cast<std::size_t>(size.QuadPart));
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!::ReadFile(handle.Get(), buffer, sizeof buffer, &got, nullptr))
                return std::nullopt;
            if (got == 0)
                break;
            content.append(buffer, got);
        }
        return content;
    } catch (...) { // std::bad_alloc, std::length_error
        return std::nullopt;
    }
}

bool Win32FileSystem::WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    return ReplaceFileContent(file, bytes, true);
}

bool Win32FileSystem::Exists(const std::filesystem::path& path) const
{
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::IsFolder(const std::filesystem::path& path) const
{
    if (path.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::EnsureFolder(const std::filesystem::path& path)
{
    try {
        if (path.empty())
            return false;
        // Every missing level is created in turn, from the top down.
        std::error_code error;
        std::filesystem::create_directories(path, error);
        return IsFolder(path);
    } catch (...) {
        return false;
    }
}

} // namespace velmora
