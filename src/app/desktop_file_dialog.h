#pragma once

#include "platform/file_dialog.h"

namespace velmora {

/// The desktop's open-file dialog, over the active window.
class DesktopFileDialog final : public FileDialog
{
public:
    std::optional<std::filesystem::path> ChooseFileToOpen() override;
};

} // namespace velmora
