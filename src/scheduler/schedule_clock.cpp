#include "scheduler/schedule_clock.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/qt_text.h"
#include "app/update_page.h"
#include "scheduler/date_time_qt.h"
#include "scheduler/schedule_texts.h"
#include "scheduler/scheduler_page.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

ScheduleClock::ScheduleClock(ProgramState& state, const Clock& clock, SchedulerPage& schedulerPage,
                             QLineEdit& configurationLine, QObject* parent)
    : QObject(parent), m_state(state), m_clock(clock), m_schedulerPage(schedulerPage),
      m_configurationLine(configurationLine)
{
    m_timer.setObjectName(u"时钟1"_s);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &ScheduleClock::Tick);
    m_timer.start();
}

void ScheduleClock::Tick()
{
    // "Now" is read afresh at each step: a step may take long enough to cross a second.
    auto now = [this] { return DateTime::FromLocalTime(m_clock.Now()); };

    m_schedulerPage.HintBox()->setPlainText(ToQString(HintBoxText(now(), m_state)));
    CountRunningSecond(m_state.schedule);
    m_configurationLine.setText(ToQString(ConfigurationLine(UpdatePageAddress(), m_state)));
    if (m_state.schedule.dateBoxFollowsClock == 1)
        m_schedulerPage.DateBox()->setDateTime(ToQDateTime(now()));
}

} // namespace velmora
