#pragma once

#include <memory>

#include "app/desktop_browser.h"
#include "app/services.h"

namespace velmora {

/// Owns the services of the machine the program runs on, for as long as the windows use them.
class SystemServicesOwner
{
public:
    SystemServicesOwner();
    ~SystemServicesOwner();
    SystemServicesOwner(const SystemServicesOwner&) = delete;
    SystemServicesOwner& operator=(const SystemServicesOwner&) = delete;

    Services Get();

private:
    std::unique_ptr<FileSystem> m_files;
    std::unique_ptr<Clock> m_clock;
    DesktopBrowser m_browser;
    std::unique_ptr<SkinEngineLoader> m_skinEngine;
};

} // namespace velmora
