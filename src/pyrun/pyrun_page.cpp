#include "pyrun/pyrun_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/control_placement.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

PyRunPage::PyRunPage(QWidget* parent)
    : QWidget(parent),
      m_modeLabel(PlaceControl<QLabel>(this, u"标签5"_s, {10, 10, 130, 20}, u"当前：显示控制台模式"_s)),
      m_scriptPathBox(PlaceControl<QLineEdit>(this, u"编辑框5"_s, {10, 50, 360, 30})),
      m_minimiseAfterStart(PlaceControl<QCheckBox>(this, u"选择框1"_s, {10, 100, 160, 20}, u"运行后本软件最小化"_s)),
      m_switchModeButton(PlaceControl<QPushButton>(this, u"按钮10"_s, {330, 220, 80, 25}, u"切换模式"_s))
{
    m_scriptPathBox->setReadOnly(true);
    m_switchModeButton->setCursor(Qt::UpArrowCursor);
}

} // namespace velmora
