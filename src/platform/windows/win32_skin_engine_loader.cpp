#include "platform/windows/win32_skin_engine_loader.h"

#include <system_error>
#include <utility>

namespace velmora {

namespace {

std::filesystem::path RunningProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

std::filesystem::path SystemLibraryFolder()
{
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH + 1);
    return length == 0 || length > MAX_PATH ? std::filesystem::path() : std::filesystem::path(folder);
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
    return L"velmora-skin.dll";
}

Win32SkinEngineLoader::Win32SkinEngineLoader() : Win32SkinEngineLoader(RunningProgramFolder(), SystemLibraryFolder()) {}

Win32SkinEngineLoader::Win32SkinEngineLoader(std::filesystem::path programFolder, std::filesystem::path systemFolder)
    : m_programFolder(std::move(programFolder)), m_systemFolder(std::move(systemFolder))
{}

bool Win32SkinEngineLoader::Load(const std::filesystem::path& library)
{
    const std::filesystem::path full = FullPath(library);
    if (m_libraries.contains(full))
        return true;
    // The full path, and the library's own folder for what it needs in turn.
    const HMODULE module = LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr)
        return false;
    const auto attach =
        reinterpret_cast<VelmoraSkinAttachFunction>(reinterpret_cast<void*>(GetProcAddress(module, kSkinAttachSymbol)));
    if (attach == nullptr) {
        FreeLibrary(module);
        return false;
    }
    m_libraries.emplace(full, attach);
    return true;
}

int Win32SkinEngineLoader::Attach(const std::filesystem::path& library, std::string_view skin)
{
    const auto found = m_libraries.find(FullPath(library));
    if (found == m_libraries.end())
        return -1;
    const auto* bytes = skin.empty() ? nullptr : reinterpret_cast<const unsigned char*>(skin.data());
    return found->second(bytes, skin.size(), nullptr, 0, 0, 0);
}

} // namespace velmora
