#include "app/system_services_owner.h"

#include "platform/system_services.h"

namespace velmora {

SystemServicesOwner::SystemServicesOwner()
    : m_files(CreateSystemFileSystem()), m_clock(CreateSystemClock()), m_skinEngine(CreateSystemSkinEngineLoader())
{}

SystemServicesOwner::~SystemServicesOwner() = default;

Services SystemServicesOwner::Get()
{
    return Services{*m_files, *m_clock, m_browser, *m_skinEngine};
}

} // namespace velmora
