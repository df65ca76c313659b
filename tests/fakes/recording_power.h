#pragma once

#include <vector>

#include "platform/power.h"

namespace velmora {

/// Power that records the requests instead of acting on them.
class RecordingPower final : public Power
{
public:
    bool ShutDownSystem(ShutdownAction action) override
    {
        requests.push_back(action);
        return answer;
    }

    std::vector<ShutdownAction> requests;
    bool answer = true;
};

} // namespace velmora
