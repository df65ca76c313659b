#pragma once

#include "platform/power.h"

namespace velmora {

/// Powers off and restarts through systemd-logind on the system bus, letting the desktop ask the
/// user for authorisation where the policy wants it.
class LogindPower final : public Power
{
public:
    bool ShutDownSystem(ShutdownAction action) override;
};

} // namespace velmora
