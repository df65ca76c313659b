#include "platform/windows/win32_system_clock.h"

#include <windows.h>

namespace velmora {

LocalTime Win32SystemClock::Now() const
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace velmora
