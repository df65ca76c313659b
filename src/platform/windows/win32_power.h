#pragma once

#include "platform/power.h"

namespace velmora {

/// Powers off and restarts with ExitWindowsEx after enabling the shutdown privilege.
class Win32Power final : public Power
{
public:
    bool ShutDownSystem(ShutdownAction action) override;
};

} // namespace velmora
