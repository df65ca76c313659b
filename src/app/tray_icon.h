#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace velmora {

/// The program's icon in the notification area with its menu.
class TrayIcon final : public QObject
{
    Q_OBJECT

public:
    TrayIcon(const QIcon& icon, const QString& toolTip, QObject* parent = nullptr);

    /// Puts the icon in the notification area.
    void Show();
    QMenu* Menu() { return &m_menu; }

Q_SIGNALS:
    void DoubleClicked();
    void ShowWindowChosen();
    void ExitChosen();
    void RestoreOpacityChosen();

private:
    QMenu m_menu;
    QSystemTrayIcon m_icon;
};

} // namespace velmora
