#pragma once

#include <memory>

#include <QWidget>

#include "platform/clock.h"
#include "web/text.h"

class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class ChatWorkers;

/// Page 4: the network console, one input box read by the selected mode: an encyclopedia
/// lookup, a translation, a chat with a robot, or a number of seconds told as a duration.
class ConsolePage final : public QWidget
{
    Q_OBJECT

public:
    /// The modes, in the order of the mode list.
    enum Mode
    {
        EncyclopediaMode = 0,
        TranslationMode = 1,
        ChatMode = 2,
        SecondsMode = 3,
    };

    explicit ConsolePage(const Clock& clock, QWidget* parent = nullptr);
    ~ConsolePage() override;

    /// Back to the first mode with the translation languages out of sight; selecting from code
    /// does not count as the user's choice, so no mode-change handling runs.
    void ResetMode();

    /// The menu with which the nicknames are changed.
    QMenu* NicknameMenu() const { return m_nicknameMenu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int SelectedMode() const;
    void ShowModeControls();
    void DispatchInput();
    void SendChatMessage();
    void AppendRobotAnswer(const Text& answer);
    void AskNickname(const QString& caption, Text& nickname);

    const Clock& m_clock;
    QPlainTextEdit* m_transcript;
    QComboBox* m_modeList;
    QComboBox* m_sourceLanguageList;
    QLabel* m_targetLanguageLabel;
    QComboBox* m_targetLanguageList;
    QPlainTextEdit* m_input;
    QPushButton* m_sendButton;
    QMenu* m_nicknameMenu;

    /// Names in the chat transcript; "" until chosen or first used.
    Text m_ownNickname;
    Text m_robotNickname;

    std::unique_ptr<ChatWorkers> m_chatWorkers;
};

} // namespace velmora
