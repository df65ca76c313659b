#pragma once

#include <QObject>
#include <QTimer>

#include "app/program_state.h"
#include "platform/clock.h"

class QLineEdit;

namespace velmora {

class SchedulerPage;

/// The main window's one-second clock: it counts the running time and keeps the status texts and
/// the date box current.
class ScheduleClock final : public QObject
{
    Q_OBJECT

public:
    /// The clock starts ticking at once.
    ScheduleClock(ProgramState& state, const Clock& clock, SchedulerPage& schedulerPage, QLineEdit& configurationLine,
                  QObject* parent = nullptr);

    /// One tick: what the clock does every second.
    void Tick();

private:
    ProgramState& m_state;
    const Clock& m_clock;
    SchedulerPage& m_schedulerPage;
    QLineEdit& m_configurationLine;
    QTimer m_timer;
};

} // namespace velmora
