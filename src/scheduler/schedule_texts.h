#pragma once

#include <string_view>

#include "app/program_state.h"
#include "scheduler/date_time.h"
#include "web/text.h"

namespace velmora {

/// Counts one second of this run and rebuilds the running-time text of all runs.
void CountRunningSecond(ScheduleState& schedule);

/// The status lines of the scheduler page: the current time, then the pending shutdown, restart
/// and alarm lines.
Text HintBoxText(DateTime now, const ProgramState& state);

/// The update page, the program's version or the newer one available, and the running time.
Text ConfigurationLine(std::string_view updatePageAddress, const ProgramState& state);

} // namespace velmora
