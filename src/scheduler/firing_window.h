#pragma once

#include <optional>

#include "scheduler/date_time.h"

namespace velmora {

/// The seconds whose actions one clock tick fires: those after the previous tick's second up to
/// and including the current one, so a late or skipped tick loses nothing. After a long gap (the
/// computer slept) only the last minute is caught up.
class FiringWindow
{
public:
    /// How far back a tick catches up, in seconds.
    static constexpr int kCatchUpSeconds = 60;

    /// The window of a tick at `now`, after a tick at `previous` (none for the first tick, which
    /// covers `now` alone; so does a tick after the clock was set back).
    static FiringWindow ForTick(std::optional<DateTime> previous, DateTime now);

    /// True when an action set for `target` fires in this tick. Both sides are clamped first.
    bool Contains(DateTime target) const;

private:
    FiringWindow(DateTime first, DateTime last) : m_first(first), m_last(last) {}

    // Empty when m_first > m_last.
    DateTime m_first;
    DateTime m_last;
};

} // namespace velmora
