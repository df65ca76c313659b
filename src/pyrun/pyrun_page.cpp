#include "pyrun/pyrun_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "app/control_placement.h"
#include "platform/python_launch.h"
#include "scheduler/notice_box.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

PyRunPage::PyRunPage(ProgramState& state, const Services& services, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services),
      m_modeLabel(PlaceControl<QLabel>(this, u"标签5"_s, {10, 10, 130, 20}, u"当前：显示控制台模式"_s)),
      m_scriptPathBox(PlaceControl<QLineEdit>(this, u"编辑框5"_s, {10, 50, 360, 30})),
      m_minimiseAfterStart(PlaceControl<QCheckBox>(this, u"选择框1"_s, {10, 100, 160, 20}, u"运行后本软件最小化"_s)),
      m_switchModeButton(PlaceControl<QPushButton>(this, u"按钮10"_s, {330, 220, 80, 25}, u"切换模式"_s))
{
    m_scriptPathBox->setReadOnly(true);
    m_switchModeButton->setCursor(Qt::UpArrowCursor);
    connect(m_scriptPathBox, &QLineEdit::textChanged, this, &PyRunPage::RunDroppedScript);
    connect(m_switchModeButton, &QPushButton::clicked, this, &PyRunPage::SwitchMode);
}

void PyRunPage::SwitchMode()
{
    m_state.pyConsoleHidden = m_state.pyConsoleHidden == 1 ? 0 : 1;
    m_modeLabel->setText(m_state.pyConsoleHidden == 1 ? u"当前：隐藏控制台模式"_s : u"当前：显示控制台模式"_s);
}

void PyRunPage::ShowHelp()
{
    NoticeBox(u".py文件拖动到窗口自动执行,免去手动输入的麻烦"_s,
              {.flags = 64, .title = u"Python文件助手："_s, .timeoutMs = 5000});
}

bool PyRunPage::IsCurrentPage() const
{
    const auto* pages = qobject_cast<const QStackedWidget*>(parentWidget());
    return pages != nullptr && pages->currentWidget() == this;
}

void PyRunPage::RunDroppedScript()
{
    if (!IsCurrentPage() || m_scriptPathBox->text().isEmpty())
        return;
    const bool hidden = m_state.pyConsoleHidden == 1;
    // Nothing is reported when no interpreter or terminal is found, or the start fails.
    const std::vector<NativeText> arguments = PythonScriptArguments(m_state.pyScriptPath, !hidden);
    if (!arguments.empty())
        m_services.processes.StartArguments(arguments, hidden ? WindowShow::Hidden : WindowShow::Normal);
    if (m_minimiseAfterStart->isChecked())
        window()->showMinimized();
}

} // namespace velmora
