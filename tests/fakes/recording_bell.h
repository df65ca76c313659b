#pragma once

#include "platform/bell.h"

namespace velmora {

/// A silent bell that remembers whether it rings.
class RecordingBell final : public Bell
{
public:
    void StartLooping() override
    {
        ++startCount;
        ringing = true;
    }

    void StopAll() override { ringing = false; }

    int startCount = 0;
    bool ringing = false;
};

} // namespace velmora
