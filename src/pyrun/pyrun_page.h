#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

/// Page 3: runs a Python script dropped on the window.
class PyRunPage final : public QWidget
{
    Q_OBJECT

public:
    explicit PyRunPage(QWidget* parent = nullptr);

    /// The dropped script's path; setting it starts the script.
    QLineEdit* ScriptPathBox() const { return m_scriptPathBox; }

private:
    QLabel* m_modeLabel;
    QLineEdit* m_scriptPathBox;
    QCheckBox* m_minimiseAfterStart;
    QPushButton* m_switchModeButton;
};

} // namespace velmora
