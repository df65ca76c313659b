#include "scheduler/firing_window.h"

#include <algorithm>
#include <cstdint>

#include "scheduler/time_text.h"

namespace velmora {

namespace {
DateTime SecondsLater(DateTime moment, std::int64_t seconds)
{
    return DateTime::FromFields(moment.Year(), moment.Month(), moment.Day(), moment.Hour(), moment.Minute(),
                                static_cast<int>(moment.Second() + seconds));
}
} // namespace

FiringWindow FiringWindow::ForTick(std::optional<DateTime> previous, DateTime now)
{
    now = ClampDateTime(now);
    if (!previous || ClampDateTime(*previous) > now)
        return {now, now};
    const DateTime earliest = SecondsLater(now, -kCatchUpSeconds);
    return {std::max(SecondsLater(ClampDateTime(*previous), 1), earliest), now};
}

bool FiringWindow::Contains(DateTime target) const
{
    target = ClampDateTime(target);
    return m_first <= target && target <= m_last;
}

} // namespace velmora
