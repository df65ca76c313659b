#include "platform/linux/dl_skin_engine_loader.h"

#include <dlfcn.h>
#include <system_error>
#include <utility>

namespace velmora {

namespace {
std::filesystem::path RunningProgramFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

std::filesystem::path FullPath(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal();
}
} // namespace

std::filesystem::path SkinEngineFileName()
{
    return "libvelmora-skin.so";
}

DlSkinEngineLoader::DlSkinEngineLoader() : DlSkinEngineLoader(RunningProgramFolder(), "/usr/lib") {}

DlSkinEngineLoader::DlSkinEngineLoader(std::filesystem::path programFolder, std::filesystem::path systemFolder)
    : m_programFolder(std::move(programFolder)), m_systemFolder(std::move(systemFolder))
{}

DlSkinEngineLoader::~DlSkinEngineLoader()
{
    // Loaded with RTLD_NODELETE: the code stays mapped while the application may still hold
    // what the engine gave it; this only gives the handles back.
    for (const auto& [path, library] : m_libraries)
        dlclose(library.handle);
}

bool DlSkinEngineLoader::Load(const std::filesystem::path& library)
{
    const std::filesystem::path full = FullPath(library);
    if (m_libraries.contains(full))
        return true;
    void* handle = dlopen(full.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle == nullptr)
        return false;
    auto attach = reinterpret_cast<VelmoraSkinAttachFunction>(dlsym(handle, kSkinAttachSymbol));
    if (attach == nullptr) {
        dlclose(handle);
        return false;
    }
    m_libraries.emplace(full, Library{handle, attach});
    return true;
}

int DlSkinEngineLoader::Attach(const std::filesystem::path& library, std::string_view skin)
{
    const auto found = m_libraries.find(FullPath(library));
    if (found == m_libraries.end())
        return -1;
    const auto* bytes = skin.empty() ? nullptr : reinterpret_cast<const unsigned char*>(skin.data());
    return found->second.attach(bytes, skin.size(), nullptr, 0, 0, 0);
}

} // namespace velmora
