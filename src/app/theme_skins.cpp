#include "app/theme_skins.h"

#include <QFile>

namespace velmora {

ByteString ThemeSkin(int theme)
{
    QFile skin(QStringLiteral(":/skins/theme-%1.qss").arg(theme));
    if (!skin.open(QIODevice::ReadOnly))
        return {};
    return skin.readAll().toStdString();
}

} // namespace velmora
