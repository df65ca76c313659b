#include "scheduler/schedule_clock.h"

#include <utility>

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTime>
#include <QTreeWidget>

#include "app/qt_text.h"
#include "app/update_page.h"
#include "scheduler/date_time_qt.h"
#include "scheduler/firing_window.h"
#include "scheduler/schedule_texts.h"
#include "scheduler/scheduler_page.h"
#include "scheduler/time_text.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
// Ticks come this long after a second starts, so the time shown never lags by most of a second
// and a timer firing a little early still lands in the new second.
constexpr int kTickAfterSecondStartMs = 10;
} // namespace

ScheduleClock::ScheduleClock(ProgramState& state, const Services& services, SchedulerPage& schedulerPage,
                             QLineEdit& configurationLine, QObject* parent)
    : QObject(parent), m_state(state), m_services(services), m_schedulerPage(schedulerPage),
      m_configurationLine(configurationLine)
{
    m_timer.setObjectName(u"时钟1"_s);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ScheduleClock::Tick);
    ArmNextTick();
}

void ScheduleClock::ArmNextTick()
{
    // Re-armed at the start of every tick, also while the reminder box of an earlier tick is open.
    m_timer.start(1000 - QTime::currentTime().msec() + kTickAfterSecondStartMs);
}

void ScheduleClock::Tick()
{
    ArmNextTick();
    // "Now" is read afresh at each step: a step may take long enough to cross a second. The
    // actions fire for the seconds up to the one this tick began in; the next tick takes the rest.
    auto now = [this] { return DateTime::FromLocalTime(m_services.clock.Now()); };
    const DateTime tickSecond = now();
    const FiringWindow window = FiringWindow::ForTick(std::exchange(m_previousTick, tickSecond), tickSecond);

    StartDuePrograms(window);
    m_schedulerPage.HintBox()->setPlainText(ToQString(HintBoxText(now(), m_state)));
    CountRunningSecond(m_state.schedule);
    m_configurationLine.setText(ToQString(ConfigurationLine(UpdatePageAddress(), m_state)));
    // Shutdown is asked for before restart when both are due.
    if (m_state.shutdownPending == 1 && window.Contains(m_state.schedule.shutdownTime))
        m_services.power.ShutDownSystem(ShutdownAction::PowerOff);
    if (m_state.restartPending == 1 && window.Contains(m_state.schedule.restartTime))
        m_services.power.ShutDownSystem(ShutdownAction::Restart);
    if (m_state.schedule.dateBoxFollowsClock == 1)
        m_schedulerPage.DateBox()->setDateTime(ToQDateTime(now()));
    if (m_state.alarmSet == 1 && window.Contains(m_state.schedule.alarmTime))
        RingAlarm();
}

void ScheduleClock::StartDuePrograms(const FiringWindow& window)
{
    QTreeWidget* list = m_schedulerPage.ExecutionList();
    const int rowCount = list->topLevelItemCount();
    for (int row = 0; row < rowCount; ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        if (item == nullptr)
            break;
        if (window.Contains(ParseTimeText(ToText(item->text(SchedulerPage::MomentColumn)))))
            m_services.processes.StartProgram(ToNativePath(item->text(SchedulerPage::CommandLineColumn)),
                                              WindowShow::Normal);
    }
}

void ScheduleClock::RingAlarm()
{
    m_services.bell.StartLooping();
    // The box waits for the user while the clock goes on ticking inside it; the bell rings on
    // after it until the alarm is cancelled.
    QMessageBox reminder(QMessageBox::NoIcon, u"提示信息："_s, ToQString(m_state.reminderText), QMessageBox::Ok);
    reminder.setWindowModality(Qt::ApplicationModal);
    reminder.exec();
}

} // namespace velmora
