#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

/// Page 4: the network console, one input box read by the selected mode.
class ConsolePage final : public QWidget
{
    Q_OBJECT

public:
    explicit ConsolePage(QWidget* parent = nullptr);

    /// Back to the first mode with the translation languages out of sight; selecting from code
    /// does not count as the user's choice, so no mode-change handling runs.
    void ResetMode();

private:
    QPlainTextEdit* m_transcript;
    QComboBox* m_modeList;
    QComboBox* m_sourceLanguageList;
    QLabel* m_targetLanguageLabel;
    QComboBox* m_targetLanguageList;
    QPlainTextEdit* m_input;
    QPushButton* m_sendButton;
};

} // namespace velmora
