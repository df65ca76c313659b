#pragma once

#include <QWidget>

class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace velmora {

/// Page 0: shutdown, restart and alarm commands, the status lines and the timed-execution list.
class SchedulerPage final : public QWidget
{
    Q_OBJECT

public:
    explicit SchedulerPage(QWidget* parent = nullptr);

    /// Status lines rewritten by every clock tick.
    QPlainTextEdit* HintBox() const { return m_hintBox; }
    /// The moment the timed commands use.
    QDateTimeEdit* DateBox() const { return m_dateBox; }
    /// Holds the path last dropped on this page, for the timed-execution list.
    QLineEdit* DroppedPathBox() const { return m_droppedPathBox; }
    QTreeWidget* ExecutionList() const { return m_executionList; }

private:
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
};

} // namespace velmora
