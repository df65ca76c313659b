#include "app/system_services_owner.h"

#include "platform/system_services.h"

namespace velmora {

SystemServicesOwner::SystemServicesOwner()
    : m_files(CreateSystemFileSystem()), m_clock(CreateSystemClock()), m_power(CreateSystemPower()),
      m_processes(CreateSystemProcessStarter()), m_folderFiles(CreateSystemFolderFiles())
{}

SystemServicesOwner::~SystemServicesOwner() = default;

Services SystemServicesOwner::Get()
{
    return Services{*m_files, *m_clock, m_browser, *m_power, *m_processes, m_bell, *m_folderFiles, m_fileDialog};
}

} // namespace velmora
