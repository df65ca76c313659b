#pragma once

#include <cstdint>

#include <QWidget>

#include "app/program_state.h"
#include "app/services.h"
#include "scheduler/date_time.h"

class QDateTimeEdit;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace velmora {

/// Page 0: shutdown, restart and alarm commands, the status lines and the timed-execution list.
class SchedulerPage final : public QWidget
{
    Q_OBJECT

public:
    /// The columns of the timed-execution list.
    enum ExecutionColumn
    {
        NumberColumn = 0,
        MomentColumn = 1,
        CommandLineColumn = 2,
    };

    SchedulerPage(ProgramState& state, const Services& services, QWidget* parent = nullptr);

    /// Status lines rewritten by every clock tick.
    QPlainTextEdit* HintBox() const { return m_hintBox; }
    /// The moment the timed commands use.
    QDateTimeEdit* DateBox() const { return m_dateBox; }
    /// Holds the path last dropped on this page, for the timed-execution list.
    QLineEdit* DroppedPathBox() const { return m_droppedPathBox; }
    /// Programs to start at chosen moments: number, moment and command line per row.
    QTreeWidget* ExecutionList() const { return m_executionList; }

    /// Arms or disarms the timed shutdown at the date box's moment.
    void ToggleTimedShutdown();
    /// Arms or disarms the timed restart at the date box's moment.
    void ToggleTimedRestart();
    /// Sets the alarm at the date box's moment, asking for its reminder, or cancels it and
    /// silences the bell.
    void ToggleAlarm();

    /// Adds a row for the dropped path at the date box's moment.
    void AddTimedExecution();
    /// Writes the list to its file and says whether that worked.
    void SaveExecutionList();
    /// Replaces the list with the rows of its file; a missing file gives an empty list.
    void LoadExecutionList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// What differs between the timed shutdown and the timed restart.
    struct TimedPowerCommand
    {
        std::int32_t& pending;
        DateTime& moment;
        Text& line;
        QPushButton* button;
        const char* linePrefix;
        const char16_t* noticeSuffix;
        const char16_t* noticeTitle;
        const char16_t* armedCaption;
        const char16_t* disarmedCaption;
    };

    void ToggleTimedPower(const TimedPowerCommand& command);
    DateTime DateBoxMoment() const;
    void BuildExecutionMenu();
    void DeleteSelectedRow();

    ProgramState& m_state;
    Services m_services;
    QPushButton* m_shutDownButton;
    QPushButton* m_restartButton;
    QPushButton* m_alarmButton;
    QPushButton* m_timedRestartButton;
    QPushButton* m_timedShutdownButton;
    QPushButton* m_timedExecutionButton;
    QPlainTextEdit* m_hintBox;
    QDateTimeEdit* m_dateBox;
    QTreeWidget* m_executionList;
    QLineEdit* m_droppedPathBox;
    QMenu* m_executionMenu = nullptr;
};

} // namespace velmora
