#pragma once

#include <filesystem>

#include "app/program_state.h"
#include "platform/file_system.h"

namespace velmora {

/// Reads the running seconds of earlier runs from the settings file; 0 when missing.
std::int32_t ReadStoredRunSeconds(const FileSystem& files, const std::filesystem::path& settingsFile);

/// Writes the running seconds of all runs, this one included, to the settings file.
bool SaveRunTime(FileSystem& files, const std::filesystem::path& settingsFile, const ScheduleState& schedule);

} // namespace velmora
