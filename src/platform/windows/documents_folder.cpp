#include <memory>

// windows.h first: the other headers build on its types.
// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include "platform/folders.h"

namespace velmora {

namespace {
struct TaskMemoryFree
{
    void operator()(wchar_t* text) const { CoTaskMemFree(text); }
};
} // namespace

std::filesystem::path DocumentsFolder()
{
    wchar_t* found = nullptr;
    // No flags: the folder is looked up, never created.
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &found);
    const std::unique_ptr<wchar_t, TaskMemoryFree> owned(found);
    if (FAILED(result) || found == nullptr)
        return {};
    return std::filesystem::path(found);
}

} // namespace velmora
