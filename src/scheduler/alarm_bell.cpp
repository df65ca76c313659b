#include "scheduler/alarm_bell.h"

#include <QUrl>

namespace velmora {

AlarmBell::AlarmBell()
{
    // Loaded once, so that ringing starts without reading anything.
    m_sound.setSource(QUrl(QStringLiteral("qrc:/sounds/bell.wav")));
    m_sound.setLoopCount(QSoundEffect::Infinite);
}

void AlarmBell::StartLooping()
{
    m_sound.play();
}

void AlarmBell::StopAll()
{
    m_sound.stop();
}

bool AlarmBell::IsRinging() const
{
    return m_sound.isPlaying();
}

} // namespace velmora
