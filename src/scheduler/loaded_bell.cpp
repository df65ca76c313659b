#include "scheduler/loaded_bell.h"

#include <utility>

#include <QLibrary>

#include "scheduler/bell_module.h"

namespace velmora {

LoadedBell::LoadedBell(QString moduleFolder) : m_moduleFolder(std::move(moduleFolder)) {}

LoadedBell::~LoadedBell() = default;

void LoadedBell::StartLooping()
{
    Load();
    if (m_bell)
        m_bell->StartLooping();
}

void LoadedBell::StopAll()
{
    if (m_bell)
        m_bell->StopAll();
}

void LoadedBell::Load()
{
    if (m_loadTried)
        return;
    m_loadTried = true;
    // QLibrary leaves the module loaded when it goes, so the bell's code outlives it.
    QLibrary module(m_moduleFolder + u'/' + QLatin1StringView(kBellModuleName));
    if (const auto makeBell = reinterpret_cast<MakeBellFunction>(module.resolve(kMakeBellSymbol)))
        m_bell.reset(makeBell());
}

} // namespace velmora
