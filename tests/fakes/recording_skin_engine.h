#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/skin_engine_loader.h"

namespace velmora {

/// A skin engine loader over chosen folders that loads the libraries listed in `loadable` and
/// records every skin handed to them; each attach returns `attachResult`.
class RecordingSkinEngine final : public SkinEngineLoader
{
public:
    struct Attached
    {
        std::filesystem::path library;
        std::string skin;
    };

    std::filesystem::path programFolder = "/opt/velmora";
    std::filesystem::path systemFolder = "/usr/lib";
    std::set<std::filesystem::path> loadable;
    std::vector<Attached> attached;
    int attachResult = 0;

    std::filesystem::path ProgramFolder() const override { return programFolder; }
    std::filesystem::path SystemFolder() const override { return systemFolder; }
    bool Load(const std::filesystem::path& library) override { return loadable.contains(library); }
    int Attach(const std::filesystem::path& library, std::string_view skin) override
    {
        attached.push_back({library, std::string(skin)});
        return attachResult;
    }
};

} // namespace velmora
