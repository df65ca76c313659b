#include "console/console_page.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/control_placement.h"

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
} // namespace

ConsolePage::ConsolePage(QWidget* parent)
    : QWidget(parent), m_transcript(PlaceControl<QPlainTextEdit>(this, u"编辑框7"_s, {2, 10, 432, 142})),
      m_modeList(PlaceControl<QComboBox>(this, u"组合框2"_s, {0, 160, 102, 20})),
      m_sourceLanguageList(PlaceControl<QComboBox>(this, u"组合框3"_s, {130, 160, 102, 20})),
      m_targetLanguageLabel(PlaceControl<QLabel>(this, u"标签6"_s, {240, 160, 50, 20}, u"翻译为："_s)),
      m_targetLanguageList(PlaceControl<QComboBox>(this, u"组合框4"_s, {300, 160, 102, 20})),
      m_input(PlaceControl<QPlainTextEdit>(this, u"编辑框8"_s, {2, 180, 432, 70})),
      m_sendButton(PlaceControl<QPushButton>(this, u"按钮9"_s, {356, 250, 75, 25}, u"发送/Eng"_s))
{
    m_transcript->setReadOnly(true);
    m_transcript->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_transcript->setPlainText(u"双击查看帮助。"_s);
    m_modeList->addItems({u"百度百科"_s, u"百度翻译"_s, u"智能聊天"_s, u"换算时间"_s});
    m_sourceLanguageList->addItems(TranslationLanguages());
    m_targetLanguageList->addItems(TranslationLanguages());
    m_targetLanguageLabel->hide();
    m_sendButton->hide();
}

void ConsolePage::ResetMode()
{
    m_modeList->setCurrentIndex(0);
    m_sourceLanguageList->hide();
    m_targetLanguageList->hide();
}

} // namespace velmora
