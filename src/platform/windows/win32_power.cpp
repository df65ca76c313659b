#include "platform/windows/win32_power.h"

#include <windows.h>

#include "platform/windows/win32_handle.h"

namespace velmora {

namespace {

bool EnableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    const Win32Handle owned(token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        return false;
    // AdjustTokenPrivileges succeeds even when the privilege was not granted; only the last
    // error tells.
    SetLastError(ERROR_SUCCESS);
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    return GetLastError() == ERROR_SUCCESS;
}

} // namespace

bool Win32Power::ShutDownSystem(ShutdownAction action)
{
    if (!EnableShutdownPrivilege())
        return false;
    const UINT flags = action == ShutdownAction::Restart ? EWX_REBOOT : EWX_POWEROFF;
    return ExitWindowsEx(flags, 0) != FALSE;
}

} // namespace velmora
