#include "app/tray_icon.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

TrayIcon::TrayIcon(const QIcon& icon, const QString& toolTip, QObject* parent)
    : QObject(parent), m_menu(u"托盘菜单"_s), m_icon(icon)
{
    m_menu.setObjectName(u"TrayMenu"_s);
    m_menu.addAction(u"显示窗口"_s, this, &TrayIcon::ShowWindowChosen);
    m_menu.addAction(u"退出软件"_s, this, &TrayIcon::ExitChosen);
    m_menu.addAction(u"恢复透明度"_s, this, &TrayIcon::RestoreOpacityChosen);

    m_icon.setToolTip(toolTip);
    // The right button and the context-menu key bring up the menu; a single left click does nothing.
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT DoubleClicked();
    });
}

void TrayIcon::Show()
{
    m_icon.show();
}

} // namespace velmora
