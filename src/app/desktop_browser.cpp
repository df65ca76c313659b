#include "app/desktop_browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmora {

bool DesktopBrowser::Open(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::TolerantMode));
}

} // namespace velmora
