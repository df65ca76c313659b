#include "app/run_time.h"

#include <cmath>
#include <cstdio>

#include "app/ini_file.h"
#include "app/number_text.h"
#include "app/settings_keys.h"

namespace velmora {

std::int32_t ReadStoredRunSeconds(const FileSystem& files, const std::filesystem::path& settingsFile)
{
    return TextToInt(IniRead(files, settingsFile, StartSection(), RunTimeKey()));
}

bool SaveRunTime(FileSystem& files, const std::filesystem::path& settingsFile, const ScheduleState& schedule)
{
    // Added as doubles, so that two counts near the 32-bit limit cannot overflow.
    const double total = static_cast<double>(schedule.storedRunSeconds) + schedule.sessionSeconds;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", std::trunc(total));
    return IniWrite(files, settingsFile, StartSection(), RunTimeKey(), digits);
}

} // namespace velmora
