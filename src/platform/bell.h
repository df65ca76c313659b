#pragma once

namespace velmora {

/// The alarm's bell sound.
class Bell
{
public:
    virtual ~Bell() = default;
    /// Starts ringing, over and over, without waiting.
    virtual void StartLooping() = 0;
    /// Silences the bell.
    virtual void StopAll() = 0;
};

} // namespace velmora
