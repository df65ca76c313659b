#include "app/system_services_owner.h"

#include <utility>

#include <QCoreApplication>

#include "app/update_page.h"

namespace velmora {

SystemServicesOwner::SystemServicesOwner(std::unique_ptr<SkinEngineLoader> skinEngine)
    : m_updatePage(UpdatePageAddress()), m_files(CreateSystemFileSystem()), m_clock(CreateSystemClock()),
      m_power(CreateSystemPower()), m_processes(CreateSystemProcessStarter()),
      m_bell(QCoreApplication::applicationDirPath()), m_folderFiles(CreateSystemFolderFiles()),
      m_skinEngine(std::move(skinEngine))
{}

SystemServicesOwner::~SystemServicesOwner() = default;

Services SystemServicesOwner::Get()
{
    return Services{*m_files, *m_clock,       m_browser,    *m_power,      *m_processes,
                    m_bell,   *m_folderFiles, m_fileDialog, *m_skinEngine, m_updatePage};
}

} // namespace velmora
