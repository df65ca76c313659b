#pragma once

#include <optional>

#include <QObject>
#include <QTimer>

#include "app/program_state.h"
#include "app/services.h"
#include "scheduler/date_time.h"

class QLineEdit;

namespace velmora {

class FiringWindow;
class SchedulerPage;

/// The main window's one-second clock: it starts the due rows of the timed-execution list, fires
/// due shutdowns, restarts and alarms, counts the running time and keeps the status texts and the
/// date box current.
class ScheduleClock final : public QObject
{
    Q_OBJECT

public:
    /// The clock starts ticking at once, shortly after the start of each second.
    ScheduleClock(ProgramState& state, const Services& services, SchedulerPage& schedulerPage,
                  QLineEdit& configurationLine, QObject* parent = nullptr);

    /// One tick: what the clock does every second. Every action whose second has come since the
    /// previous tick fires in it, so a late tick loses nothing.
    void Tick();

private:
    void ArmNextTick();
    void StartDuePrograms(const FiringWindow& window);
    void RingAlarm();

    ProgramState& m_state;
    Services m_services;
    SchedulerPage& m_schedulerPage;
    QLineEdit& m_configurationLine;
    QTimer m_timer;
    /// The second the previous tick covered up to; none before the first tick.
    std::optional<DateTime> m_previousTick;
};

} // namespace velmora
