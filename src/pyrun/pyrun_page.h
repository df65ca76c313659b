#pragma once

#include <QWidget>

#include "app/program_state.h"
#include "app/services.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

/// Page 3: runs a Python script dropped on the window, in a console that stays open or hidden.
class PyRunPage final : public QWidget
{
    Q_OBJECT

public:
    PyRunPage(ProgramState& state, const Services& services, QWidget* parent = nullptr);

    /// The dropped script's path; setting it starts the script.
    QLineEdit* ScriptPathBox() const { return m_scriptPathBox; }

    /// Switches between running scripts in a console and running them hidden.
    void SwitchMode();
    /// Tells how the page is used.
    void ShowHelp();

private:
    void RunDroppedScript();
    bool IsCurrentPage() const;

    ProgramState& m_state;
    Services m_services;
    QLabel* m_modeLabel;
    QLineEdit* m_scriptPathBox;
    QCheckBox* m_minimiseAfterStart;
    QPushButton* m_switchModeButton;
};

} // namespace velmora
