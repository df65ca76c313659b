#include "scheduler/scheduler_page.h"

#include <QDateTimeEdit>
#include <QEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/control_placement.h"
#include "app/qt_text.h"
#include "platform/code_page.h"
#include "scheduler/date_time_qt.h"
#include "scheduler/notice_box.h"
#include "scheduler/time_text.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

SchedulerPage::SchedulerPage(ProgramState& state, const Services& services, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services),
      m_shutDownButton(PlaceControl<QPushButton>(this, u"按钮1"_s, {0, 20, 80, 25}, u"关机"_s)),
      m_restartButton(PlaceControl<QPushButton>(this, u"按钮2"_s, {0, 62, 80, 25}, u"重启"_s)),
      m_alarmButton(PlaceControl<QPushButton>(this, u"按钮6"_s, {0, 105, 80, 25}, u"设置闹钟"_s)),
      m_timedRestartButton(PlaceControl<QPushButton>(this, u"按钮4"_s, {110, 105, 80, 25}, u"定时重启"_s)),
      m_timedShutdownButton(PlaceControl<QPushButton>(this, u"按钮3"_s, {220, 105, 80, 25}, u"定时关机"_s)),
      m_timedExecutionButton(PlaceControl<QPushButton>(this, u"按钮7"_s, {330, 105, 80, 25}, u"定时执行"_s)),
      m_hintBox(PlaceControl<QPlainTextEdit>(this, u"编辑框提示"_s, {110, 20, 309, 55})),
      m_dateBox(PlaceControl<QDateTimeEdit>(this, u"日期框1"_s, {180, 80, 241, 20})),
      m_executionList(PlaceReportList(this, u"超级列表框2"_s, {4, 140, 416, 130},
                                      {{u"序号"_s, 40}, {u"执行时间"_s, 160}, {u"执行目录"_s, 215}})),
      m_droppedPathBox(PlaceControl<QLineEdit>(this, u"编辑框9"_s, {40, 20, 0, 16}))
{
    m_hintBox->setReadOnly(true);
    PlaceControl<QLabel>(this, u"标签设置时间"_s, {110, 80, 61, 19}, u"设置时间："_s);
    m_dateBox->setMinimumDate(QDate(100, 1, 1));
    m_dateBox->installEventFilter(this);
    m_droppedPathBox->hide();

    for (QPushButton* button : {m_shutDownButton, m_restartButton, m_alarmButton, m_timedRestartButton,
                                m_timedShutdownButton, m_timedExecutionButton})
        button->setCursor(Qt::PointingHandCursor);

    connect(m_shutDownButton, &QPushButton::clicked, this,
            [this] { m_services.power.ShutDownSystem(ShutdownAction::PowerOff); });
    connect(m_restartButton, &QPushButton::clicked, this,
            [this] { m_services.power.ShutDownSystem(ShutdownAction::Restart); });
    connect(m_timedShutdownButton, &QPushButton::clicked, this, &SchedulerPage::ToggleTimedShutdown);
    connect(m_timedRestartButton, &QPushButton::clicked, this, &SchedulerPage::ToggleTimedRestart);
    connect(m_alarmButton, &QPushButton::clicked, this, &SchedulerPage::ToggleAlarm);
    connect(m_timedExecutionButton, &QPushButton::clicked, this, &SchedulerPage::AddTimedExecution);
    BuildExecutionMenu();
}

bool SchedulerPage::eventFilter(QObject* watched, QEvent* event)
{
    // The user is about to pick a moment: the clock stops overwriting it.
    if (watched == m_dateBox && event->type() == QEvent::FocusIn)
        m_state.schedule.dateBoxFollowsClock = 0;
    return QWidget::eventFilter(watched, event);
}

DateTime SchedulerPage::DateBoxMoment() const
{
    return FromQDateTime(m_dateBox->dateTime());
}

void SchedulerPage::ToggleTimedShutdown()
{
    ToggleTimedPower({m_state.shutdownPending, m_state.schedule.shutdownTime, m_state.shutdownLine,
                      m_timedShutdownButton, "关机：", u"秒 关机", u"关机提示", u"取消关机", u"定时关机"});
}

void SchedulerPage::ToggleTimedRestart()
{
    ToggleTimedPower({m_state.restartPending, m_state.schedule.restartTime, m_state.restartLine, m_timedRestartButton,
                      "重启：", u"秒 重启", u"重启提示", u"取消重启", u"定时重启"});
}

void SchedulerPage::ToggleTimedPower(const TimedPowerCommand& command)
{
    command.pending = command.pending == 1 ? 0 : 1;
    if (command.pending == 1) {
        command.moment = DateBoxMoment();
        const Text moment = TimeText(command.moment);
        command.line = LocalFromUtf8(command.linePrefix) + moment;
        NoticeBox(u"将于"_s + ToQString(moment) + QString::fromUtf16(command.noticeSuffix),
                  {.title = QString::fromUtf16(command.noticeTitle), .timeoutMs = 500});
        command.button->setText(QString::fromUtf16(command.armedCaption));
    } else {
        command.button->setText(QString::fromUtf16(command.disarmedCaption));
        command.line.clear();
    }
    m_state.schedule.dateBoxFollowsClock = 1;
}

void SchedulerPage::ToggleAlarm()
{
    m_state.alarmSet = m_state.alarmSet == 1 ? 0 : 1;
    if (m_state.alarmSet == 1) {
        m_state.schedule.alarmTime = DateBoxMoment();
        m_alarmButton->setText(u"取消铃声"_s);
        bool confirmed = false;
        const QString reminder =
            QInputDialog::getText(this, u"提示闹钟"_s, u"请输入提醒内容"_s, QLineEdit::Normal, QString(), &confirmed);
        // A cancelled box keeps the previous reminder.
        if (confirmed)
            m_state.reminderText = ToText(reminder);
        NoticeBox(u"设置铃声成功"_s, {.flags = 64, .title = u"设置提醒："_s, .timeoutMs = 350});
        m_state.alarmLine = LocalFromUtf8("铃声：") + TimeText(m_state.schedule.alarmTime);
    } else {
        m_alarmButton->setText(u"设置铃声"_s);
        m_services.bell.StopAll();
        m_state.alarmLine.clear();
        NoticeBox(u"取消铃声成功"_s, {.title = u"取消提醒"_s, .timeoutMs = 350});
    }
    m_state.schedule.dateBoxFollowsClock = 1;
}

} // namespace velmora
