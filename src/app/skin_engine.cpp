#include "app/skin_engine.h"

namespace velmora {

namespace {
std::filesystem::path WithoutSurroundingBlanks(const std::filesystem::path& path)
{
    const auto& text = path.native();
    const auto first = text.find_first_not_of(' ');
    if (first == std::filesystem::path::string_type::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

std::filesystem::path LocateSkinEngine(const FileSystem& files, const SkinEngineLoader& loader,
                                       const std::filesystem::path& configuredPath)
{
    std::filesystem::path engine = WithoutSurroundingBlanks(configuredPath);
    if (!engine.empty() && files.Exists(engine))
        return engine;
    // Both are looked at, so a system-wide copy wins over one beside the program here; the
    // program asks again with its own folder's copy as the configured path.
    for (const std::filesystem::path& folder : {loader.ProgramFolder(), loader.SystemFolder()}) {
        std::filesystem::path candidate = folder / SkinEngineFileName();
        if (!folder.empty() && files.Exists(candidate))
            engine = std::move(candidate);
    }
    return engine;
}

bool SkinEngineReady(const FileSystem& files, SkinEngineLoader& loader, const std::filesystem::path& enginePath)
{
    return !enginePath.empty() && files.Exists(enginePath) && loader.Load(enginePath);
}

bool AttachSkin(const FileSystem& files, SkinEngineLoader& loader, const std::filesystem::path& enginePath,
                const ByteString& skin)
{
    return SkinEngineReady(files, loader, enginePath) && loader.Attach(enginePath, skin) == 0;
}

} // namespace velmora
