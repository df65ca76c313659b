#pragma once

#include "platform/clock.h"

namespace velmora {

/// A clock that shows whatever moment the test sets.
class FakeClock final : public Clock
{
public:
    LocalTime Now() const override { return now; }

    LocalTime now{2019, 3, 3, 9, 14, 24};
};

} // namespace velmora
