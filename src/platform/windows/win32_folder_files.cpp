#include "platform/windows/win32_folder_files.h"

#include <memory>
#include <windows.h>
// windows.h makes these names macros for the API's W functions, which would rename the methods.
#undef DeleteFile
#undef MoveFile

#include "platform/windows/win32_file_system.h"
#include "platform/windows/win32_handle.h"

namespace velmora {

namespace {

struct SearchCloser
{
    void operator()(HANDLE search) const { FindClose(search); }
};
using SearchHandle = std::unique_ptr<void, SearchCloser>;

bool IsDotOrDotDot(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// A zero file time tells SetFileTime to leave that time as it is.
FILETIME FileTimeOf(const std::optional<LocalTime>& time, bool& valid)
{
    FILETIME universal{};
    if (!time)
        return universal;
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(time->year);
    local.wMonth = static_cast<WORD>(time->month);
    local.wDay = static_cast<WORD>(time->day);
    local.wHour = static_cast<WORD>(time->hour);
    local.wMinute = static_cast<WORD>(time->minute);
    local.wSecond = static_cast<WORD>(time->second);
    FILETIME localFileTime{};
    if (!SystemTimeToFileTime(&local, &localFileTime) || !LocalFileTimeToFileTime(&localFileTime, &universal))
        valid = false;
    return universal;
}

} // namespace

std::unique_ptr<FolderHold> Win32FolderFiles::HoldFolder(const std::filesystem::path& /*folder*/)
{
    return nullptr; // the Windows calls take whole paths only
}

bool Win32FolderFiles::ListEntries(const std::filesystem::path& folder,
                                   const std::function<void(const FolderEntry&)>& visit) const
{
    std::wstring pattern = folder.native();
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    SearchHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
    if (search.get() == INVALID_HANDLE_VALUE) {
        search.release();
        // A drive's root has no entries for itself and its parent, so it can be empty.
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    do {
        if (IsDotOrDotDot(found.cFileName))
            continue;
        visit(FolderEntry{found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search.get(), &found));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

bool Win32FolderFiles::MoveFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // Without MOVEFILE_REPLACE_EXISTING an existing target makes the move fail.
    return MoveFileW(from.c_str(), to.c_str()) != FALSE;
}

bool Win32FolderFiles::DeleteFile(const std::filesystem::path& file)
{
    // The system itself keeps folders and read-only files.
    return DeleteFileW(file.c_str()) != FALSE;
}

bool Win32FolderFiles::WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    return ReplaceFileContent(file, bytes, false);
}

std::unique_ptr<FileReplacement> Win32FolderFiles::ReplaceInPieces(const std::filesystem::path& file)
{
    return StartFileReplacement(file, false);
}

bool Win32FolderFiles::SetFileTimes(const std::filesystem::path& file, const std::optional<LocalTime>& creation,
                                    const std::optional<LocalTime>& access,
                                    const std::optional<LocalTime>& modification)
{
    bool valid = true;
    const FILETIME creationTime = FileTimeOf(creation, valid);
    const FILETIME accessTime = FileTimeOf(access, valid);
    const FILETIME modificationTime = FileTimeOf(modification, valid);
    if (!valid)
        return false;
    Win32Handle handle(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.Valid())
        return false;
    return SetFileTime(handle.Get(), &creationTime, &accessTime, &modificationTime) != FALSE;
}

} // namespace velmora
