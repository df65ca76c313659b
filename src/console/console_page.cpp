#include "console/console_page.h"

#include <QComboBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>

#include "app/control_placement.h"
#include "app/qt_text.h"
#include "console/box_text.h"
#include "console/chat_workers.h"
#include "console/console_texts.h"
#include "console/encyclopedia_lookup.h"
#include "console/seconds_input.h"
#include "scheduler/time_text.h"
#include "translate/translate_request.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList TranslationLanguages()
{
    return {u"自动检测"_s,     u"中文"_s,       u"英语"_s,     u"粤语"_s,    u"文言文"_s,   u"日语"_s,
            u"韩语"_s,         u"法语"_s,       u"西班牙语"_s, u"泰语"_s,    u"阿拉伯语"_s, u"俄语"_s,
            u"葡萄牙语"_s,     u"德语"_s,       u"意大利语"_s, u"希腊语"_s,  u"荷兰语"_s,   u"波兰语"_s,
            u"保加利亚语"_s,   u"爱沙尼亚语"_s, u"丹麦语"_s,   u"芬兰语"_s,  u"捷克语"_s,   u"罗马尼亚语"_s,
            u"斯洛文尼亚语"_s, u"瑞典语"_s,     u"匈牙利语"_s, u"繁体中文"_s};
}

// The console's own account with the translation service.
constexpr const char* kTranslateAppId = "31857169328451937";
constexpr const char* kTranslateSecretKey = "Hq7NvXt3LmPz8cVd1GkJ";

// The nickname menu opens this far right of and below the pointer.
constexpr QPoint kMenuOffset(3, 3);
} // namespace

ConsolePage::ConsolePage(const Clock& clock, QWidget* parent)
    : QWidget(parent), m_clock(clock),
      m_transcript(PlaceControl<QPlainTextEdit>(this, u"编辑框7"_s, {2, 10, 432, 142})),
      m_modeList(PlaceControl<QComboBox>(this, u"组合框2"_s, {0, 160, 102, 20})),
      m_sourceLanguageList(PlaceControl<QComboBox>(this, u"组合框3"_s, {130, 160, 102, 20})),
      m_targetLanguageLabel(PlaceControl<QLabel>(this, u"标签6"_s, {240, 160, 50, 20}, u"翻译为："_s)),
      m_targetLanguageList(PlaceControl<QComboBox>(this, u"组合框4"_s, {300, 160, 102, 20})),
      m_input(PlaceControl<QPlainTextEdit>(this, u"编辑框8"_s, {2, 180, 432, 70})),
      m_sendButton(PlaceControl<QPushButton>(this, u"按钮9"_s, {356, 250, 75, 25}, u"发送/Eng"_s)),
      m_nicknameMenu(new QMenu(u"修改昵称"_s, this)),
      m_chatWorkers(std::make_unique<ChatWorkers>(this, [this](const Text& answer) { AppendRobotAnswer(answer); }))
{
    m_transcript->setReadOnly(true);
    m_transcript->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_transcript->setPlainText(u"双击查看帮助。"_s);
    m_input->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_input->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_modeList->addItems({u"百度百科"_s, u"百度翻译"_s, u"智能聊天"_s, u"换算时间"_s});
    m_sourceLanguageList->addItems(TranslationLanguages());
    m_targetLanguageList->addItems(TranslationLanguages());
    m_targetLanguageLabel->hide();
    m_sendButton->hide();

    m_nicknameMenu->setObjectName(u"修改昵称"_s);
    connect(m_nicknameMenu->addAction(u"自己昵称"_s), &QAction::triggered, this,
            [this] { AskNickname(u"请输入自己昵称。"_s, m_ownNickname); });
    connect(m_nicknameMenu->addAction(u"机器人昵称"_s), &QAction::triggered, this,
            [this] { AskNickname(u"请输入机器人昵称。"_s, m_robotNickname); });

    // Only the user's choice switches the mode; selecting from code does not.
    connect(m_modeList, &QComboBox::activated, this, &ConsolePage::ShowModeControls);
    connect(m_input, &QPlainTextEdit::textChanged, this, &ConsolePage::DispatchInput);
    connect(m_sendButton, &QPushButton::clicked, this, &ConsolePage::SendChatMessage);
    m_input->installEventFilter(this);
    m_input->viewport()->installEventFilter(this);
    m_transcript->viewport()->installEventFilter(this);
}

ConsolePage::~ConsolePage() = default;

void ConsolePage::ResetMode()
{
    m_modeList->setCurrentIndex(EncyclopediaMode);
    m_sourceLanguageList->hide();
    m_targetLanguageList->hide();
}

int ConsolePage::SelectedMode() const
{
    return m_modeList->currentIndex();
}

void ConsolePage::ShowModeControls()
{
    m_sendButton->hide();
    m_targetLanguageList->hide();
    m_sourceLanguageList->hide();
    m_targetLanguageLabel->hide();
    if (SelectedMode() == ChatMode)
        m_sendButton->show();
    if (SelectedMode() == TranslationMode) {
        m_targetLanguageList->show();
        m_sourceLanguageList->show();
        m_targetLanguageLabel->show();
    }
}

void ConsolePage::DispatchInput()
{
    // Each test reads the mode afresh, in this order.
    if (SelectedMode() == EncyclopediaMode)
        SetBoxText(m_transcript, EncyclopediaLookup(BoxText(m_input)));
    if (SelectedMode() == SecondsMode)
        SetBoxText(m_transcript, DurationText(SecondsFromInput(BoxText(m_input))));
    if (SelectedMode() == TranslationMode) {
        TranslateArgs args;
        args.query = BoxText(m_input);
        args.from = LanguageCode(m_sourceLanguageList->currentIndex());
        args.to = LanguageCode(m_targetLanguageList->currentIndex());
        args.appId = kTranslateAppId;
        args.secretKey = kTranslateSecretKey;
        const Text salt = SaltText(DateTime::FromLocalTime(m_clock.Now()), QTime::currentTime().msec());
        Text translation;
        TranslateText(args, salt, translation);
        SetBoxText(m_transcript, translation);
    }
}

void ConsolePage::SendChatMessage()
{
    if (SelectedMode() != ChatMode)
        return;
    const Text stamp = ChatTimeStamp(m_clock.Now());
    if (m_ownNickname.empty())
        m_ownNickname = DefaultOwnNickname();
    Text message = BoxText(m_input);
    AppendBoxText(m_transcript, TranscriptLine(m_ownNickname, stamp, message));
    m_input->clear();
    if (m_robotNickname.empty())
        m_robotNickname = DefaultRobotNickname();
    m_chatWorkers->Start(std::move(message));
}

void ConsolePage::AppendRobotAnswer(const Text& answer)
{
    AppendBoxText(m_transcript, TranscriptLine(m_robotNickname, ChatTimeStamp(m_clock.Now()), answer));
}

void ConsolePage::AskNickname(const QString& caption, Text& nickname)
{
    bool accepted = false;
    const QString entered = QInputDialog::getText(this, caption, u"提示"_s, QLineEdit::Normal, QString(), &accepted);
    if (accepted)
        nickname = ToText(entered);
}

bool ConsolePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SendChatMessage();
            // In chat mode the key has done its work; elsewhere it breaks the line as usual.
            return SelectedMode() == ChatMode;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_transcript->viewport()) {
            SetBoxText(m_transcript, ConsoleHelpText());
            return true;
        }
        if (watched == m_input->viewport()) {
            const auto* click = static_cast<QMouseEvent*>(event);
            m_nicknameMenu->popup(click->globalPosition().toPoint() + kMenuOffset);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
