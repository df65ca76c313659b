#include "scheduler/scheduler_page.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/control_placement.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

SchedulerPage::SchedulerPage(QWidget* parent)
    : QWidget(parent), m_shutDownButton(PlaceControl<QPushButton>(this, u"按钮1"_s, {0, 20, 80, 25}, u"关机"_s)),
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
    m_droppedPathBox->hide();

    for (QPushButton* button : {m_shutDownButton, m_restartButton, m_alarmButton, m_timedRestartButton,
                                m_timedShutdownButton, m_timedExecutionButton})
        button->setCursor(Qt::PointingHandCursor);
}

} // namespace velmora
