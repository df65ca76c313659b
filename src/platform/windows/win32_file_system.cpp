#include "platform/windows/win32_file_system.h"

#include <algorithm>
#include <climits>
#include <memory>
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

/// A new content written into a temporary file beside the target, which takes the target's name
/// on Commit; the temporary file is deleted unless it did.
class Win32FileReplacement final : public FileReplacement
{
public:
    Win32FileReplacement(std::filesystem::path target, std::wstring tempPath, Win32Handle temp, bool flushToDisk)
        : m_target(std::move(target)), m_tempPath(std::move(tempPath)), m_removeTemp(m_tempPath),
          m_temp(std::move(temp)), m_flushToDisk(flushToDisk)
    {}

    bool Append(std::string_view bytes) override
    {
        m_failed = m_failed || !WriteAll(m_temp.Get(), bytes);
        return !m_failed;
    }

    bool Commit() override
    {
        if (m_failed || !m_temp.Valid() || (m_flushToDisk && !FlushFileBuffers(m_temp.Get())) || !m_temp.Close()) {
            m_failed = true;
            return false;
        }
        const DWORD moveFlags = MOVEFILE_REPLACE_EXISTING | (m_flushToDisk ? MOVEFILE_WRITE_THROUGH : 0);
        if (!MoveFileExW(m_tempPath.c_str(), m_target.c_str(), moveFlags)) {
            m_failed = true;
            return false;
        }
        m_removeTemp.Release();
        return true;
    }

private:
    std::filesystem::path m_target;
    std::wstring m_tempPath;
    DeleteOnExit m_removeTemp;
    Win32Handle m_temp;
    bool m_flushToDisk;
    bool m_failed = false;
};

std::unique_ptr<FileReplacement> StartReplacementUnchecked(const std::filesystem::path& file, bool flushToDisk)
{
    if (file.empty() || !file.has_filename())
        return nullptr;
    const std::filesystem::path folder = file.parent_path();
    // A unique new file in the target's own folder, so that the final move stays on one volume.
    wchar_t tempPath[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"vlm", 0, tempPath) == 0)
        return nullptr;
    DeleteOnExit removeTemp(tempPath);
    Win32Handle temp(
        CreateFileW(tempPath, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!temp.Valid())
        return nullptr;
    auto replacement = std::make_unique<Win32FileReplacement>(file, tempPath, std::move(temp), flushToDisk);
    removeTemp.Release(); // the replacement deletes it from now on
    return replacement;
}

/// Reads from the file to its end into buffer, starting at its beginning; the file's size sizes
/// the buffer so that it is read in one call. The bytes read, or nothing on a read error.
std::optional<std::string_view> ReadToEnd(HANDLE file, std::string& buffer)
{
    constexpr std::size_t kUnknownSizeBuffer = 65536;
    LARGE_INTEGER size{};
    // One byte beyond the size lets the read that finds the end come back at once.
    const std::size_t wanted = GetFileSizeEx(file, &size) && size.QuadPart > 0
                                   ? static_cast<std::size_t>(size.QuadPart) + 1
                                   : kUnknownSizeBuffer;
    if (buffer.size() < wanted)
        buffer.resize(wanted);
    std::size_t done = 0;
    for (;;) {
        if (done == buffer.size())
            buffer.resize(buffer.size() * 2); // the file grew meanwhile
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - done, 1U << 30));
        DWORD got = 0;
        if (!::ReadFile(file, buffer.data() + done, chunk, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            return std::string_view(buffer.data(), done);
        done += got;
    }
}

} // namespace

bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes, bool flushToDisk)
{
    const std::unique_ptr<FileReplacement> replacement = StartFileReplacement(file, flushToDisk);
    return replacement && replacement->Append(bytes) && replacement->Commit();
}

std::unique_ptr<FileReplacement> StartFileReplacement(const std::filesystem::path& file, bool flushToDisk)
{
    try {
        return StartReplacementUnchecked(file, flushToDisk);
    } catch (...) {
        return nullptr;
    }
}

std::optional<std::string_view> Win32FileSystem::ReadFileInto(const std::filesystem::path& file,
                                                              std::string& buffer) const
{
    try {
        if (file.empty())
            return std::nullopt;
        Win32Handle handle(CreateFileW(file.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle.Valid())
            return std::nullopt;
        return ReadToEnd(handle.Get(), buffer);
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
