#include "app/desktop_file_dialog.h"

#include <QApplication>
#include <QFileDialog>

#include "app/qt_text.h"

namespace velmora {

std::optional<std::filesystem::path> DesktopFileDialog::ChooseFileToOpen()
{
    const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow());
    if (chosen.isEmpty())
        return std::nullopt;
    return std::filesystem::path(ToNativePath(chosen));
}

} // namespace velmora
