#include "scheduler/firing_window.h"

#include <optional>

#include <gtest/gtest.h>

namespace velmora {
namespace {

DateTime At(int second)
{
    // Seconds from 2019-03-03 09:14:00; negative ones reach into the minute before.
    return DateTime::FromFields(2019, 3, 3, 9, 14, second);
}

struct WindowCase
{
    const char* name;
    std::optional<int> previous;
    int now;
    int target;
    bool fires;
};

const WindowCase kCases[] = {
    {"first tick fires its own second", std::nullopt, 10, 10, true},
    {"first tick does not reach back", std::nullopt, 10, 9, false},
    {"next second", 10, 11, 11, true},
    {"the previous tick's second was already covered", 10, 11, 10, false},
    {"a skipped second is caught up", 10, 13, 12, true},
    {"a future second waits", 10, 11, 12, false},
    {"a second tick in the same second fires nothing", 11, 11, 11, false},
    {"catch-up reaches back a minute", -100, 10, -50, true},
    {"but not further", -100, 10, -51, false},
    {"clock set back: only the current second", 30, 10, 10, true},
    {"clock set back: nothing from before", 30, 10, 9, false},
};

TEST(FiringWindow, FiresEverySecondAfterThePreviousTickUpToNow)
{
    for (const WindowCase& c : kCases) {
        const std::optional<DateTime> previous = c.previous ? std::optional(At(*c.previous)) : std::nullopt;
        EXPECT_EQ(FiringWindow::ForTick(previous, At(c.now)).Contains(At(c.target)), c.fires) << c.name;
    }
}

TEST(FiringWindow, ComparesClampedMoments)
{
    // A target beyond the supported range counts as its last moment.
    const DateTime last = HighestDateTime();
    const DateTime beyond = DateTime::FromFields(10000, 1, 1);
    EXPECT_TRUE(FiringWindow::ForTick(std::nullopt, last).Contains(beyond));
}

} // namespace
} // namespace velmora
