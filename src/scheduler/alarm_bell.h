#pragma once

#include <QSoundEffect>

#include "platform/bell.h"

namespace velmora {

/// The alarm's bell, played from the program's resources.
class AlarmBell final : public Bell
{
public:
    AlarmBell();

    void StartLooping() override;
    void StopAll() override;

    /// True while the bell is sounding (or about to, once its sound is loaded).
    bool IsRinging() const;

private:
    QSoundEffect m_sound;
};

} // namespace velmora
