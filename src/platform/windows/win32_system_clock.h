#pragma once

#include "platform/clock.h"

namespace velmora {

/// The local time as the system keeps it.
class Win32SystemClock final : public Clock
{
public:
    LocalTime Now() const override;
};

} // namespace velmora
