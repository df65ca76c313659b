#pragma once

#include <map>

#include "platform/skin_engine_loader.h"
#include "skin_engine/skin_engine_api.h"

namespace velmora {

/// Loads skin engine libraries with the dynamic linker.
class DlSkinEngineLoader final : public SkinEngineLoader
{
public:
    /// Looks in the folder of the running program and in /usr/lib.
    DlSkinEngineLoader();
    /// Looks in the given folders instead, as tests and tools do.
    DlSkinEngineLoader(std::filesystem::path programFolder, std::filesystem::path systemFolder);
    ~DlSkinEngineLoader() override;

    std::filesystem::path ProgramFolder() const override { return m_programFolder; }
    std::filesystem::path SystemFolder() const override { return m_systemFolder; }
    bool Load(const std::filesystem::path& library) override;
    int Attach(const std::filesystem::path& library, std::string_view skin) override;

private:
    struct Library
    {
        void* handle = nullptr;
        VelmoraSkinAttachFunction attach = nullptr;
    };

    std::filesystem::path m_programFolder;
    std::filesystem::path m_systemFolder;
    std::map<std::filesystem::path, Library> m_libraries;
};

} // namespace velmora
