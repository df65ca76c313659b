#pragma once

namespace velmora {

/// A local wall-clock moment to the second, as the operating system tells it.
struct LocalTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// The source of "now" for everything that happens at a chosen second.
class Clock
{
public:
    virtual ~Clock() = default;
    /// The current local time, cut to whole seconds.
    virtual LocalTime Now() const = 0;
};

} // namespace velmora
