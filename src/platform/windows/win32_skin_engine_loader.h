#pragma once

#include <map>
#include <windows.h>

#include "platform/skin_engine_loader.h"
#include "skin_engine/skin_engine_api.h"

namespace velmora {

/// Loads skin engine libraries with LoadLibrary.
class Win32SkinEngineLoader final : public SkinEngineLoader
{
public:
    /// Looks in the folder of the running program and in the system folder.
    Win32SkinEngineLoader();
    /// Looks in the given folders instead, as tests and tools do.
    Win32SkinEngineLoader(std::filesystem::path programFolder, std::filesystem::path systemFolder);
    Win32SkinEngineLoader(const Win32SkinEngineLoader&) = delete;
    Win32SkinEngineLoader& operator=(const Win32SkinEngineLoader&) = delete;
    ~Win32SkinEngineLoader() override = default;

    std::filesystem::path ProgramFolder() const override { return m_programFolder; }
    std::filesystem::path SystemFolder() const override { return m_systemFolder; }
    bool Load(const std::filesystem::path& library) override;
    int Attach(const std::filesystem::path& library, std::string_view skin) override;

private:
    std::filesystem::path m_programFolder;
    std::filesystem::path m_systemFolder;
    // A loaded library stays loaded until the program ends: the windows it skinned keep using it.
    std::map<std::filesystem::path, VelmoraSkinAttachFunction> m_libraries;
};

} // namespace velmora
