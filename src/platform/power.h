#pragma once

namespace velmora {

/// What a shutdown request asks of the computer.
enum class ShutdownAction
{
    PowerOff = 1,
    Restart = 2,
};

/// Powers the computer off or restarts it.
class Power
{
public:
    virtual ~Power() = default;
    /// Asks the system to power off or restart; false when it refused or could not be asked.
    virtual bool ShutDownSystem(ShutdownAction action) = 0;
};

} // namespace velmora
