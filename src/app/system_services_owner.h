#pragma once

#include <memory>

#include "app/desktop_browser.h"
#include "app/desktop_file_dialog.h"
#include "app/services.h"
#include "app/update_page_fetch.h"
#include "platform/system_services.h"
#include "scheduler/loaded_bell.h"

namespace velmora {

/// Owns the services of the machine the program runs on, for as long as the windows use them.
class SystemServicesOwner
{
public:
    /// The skin engine's loader can be one that looks elsewhere than beside the program.
    explicit SystemServicesOwner(std::unique_ptr<SkinEngineLoader> skinEngine = CreateSystemSkinEngineLoader());
    ~SystemServicesOwner();
    SystemServicesOwner(const SystemServicesOwner&) = delete;
    SystemServicesOwner& operator=(const SystemServicesOwner&) = delete;

    Services Get();

private:
    // First, so that the page is on its way while everything else is made.
    UpdatePageFetch m_updatePage;
    std::unique_ptr<FileSystem> m_files;
    std::unique_ptr<Clock> m_clock;
    DesktopBrowser m_browser;
    std::unique_ptr<Power> m_power;
    std::unique_ptr<ProcessStarter> m_processes;
    LoadedBell m_bell;
    std::unique_ptr<FolderFiles> m_folderFiles;
    DesktopFileDialog m_fileDialog;
    std::unique_ptr<SkinEngineLoader> m_skinEngine;
};

} // namespace velmora
