#pragma once

#include <cstdint>
#include <filesystem>

#include "scheduler/date_time.h"
#include "web/text.h"

namespace velmora {

/// The running time and the moments of the timed commands, shared by the clock and its commands.
struct ScheduleState
{
    /// Running seconds of all earlier runs, read once at start-up.
    std::int32_t storedRunSeconds = 0;
    /// The total running time as the clock last wrote it; "" before its first tick.
    Text runTimeText;
    /// Clock ticks since start-up: the seconds of this run.
    std::int32_t sessionSeconds = 0;
    DateTime alarmTime;
    DateTime shutdownTime;
    DateTime restartTime;
    /// While 1, each clock tick writes the current time into the date box.
    std::int32_t dateBoxFollowsClock = 0;
};

/// Everything the program shares between its windows and handlers. One instance lives from the
/// start of the program to its end; every field starts empty or 0.
struct ProgramState
{
    ScheduleState schedule;

    std::int32_t shutdownPending = 0;
    std::int32_t restartPending = 0;
    std::int32_t alarmSet = 0;
    Text shutdownLine;
    Text restartLine;
    Text alarmLine;
    /// Shown when the alarm rings.
    Text reminderText;

    /// 1 when the update page names a newer version than programVersion.
    std::int32_t updateAvailable = 0;
    Text newestVersion;
    Text programVersion;

    /// The skin engine library the themes go to.
    std::filesystem::path skinEnginePath;
    /// The skin of the theme chosen last; empty until a theme with a skin is chosen.
    ByteString currentSkin;
    /// The theme value read from the settings file at start-up.
    Text themeText;
    /// The main window's alpha as the transparency slider last set it.
    std::int32_t windowAlpha = 0;

    /// The script dropped on the Python page.
    std::filesystem::path pyScriptPath;
    /// 1 while scripts run without a console window.
    std::int32_t pyConsoleHidden = 0;

    /// Green and blue of the splash window's big label while it fades from red.
    std::int32_t fadeLevel = 0;
};

} // namespace velmora
