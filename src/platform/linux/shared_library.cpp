#include "platform/linux/shared_library.h"

#include <dlfcn.h>

namespace velmora {

SharedLibrary::SharedLibrary(const char* fileName) : m_handle(dlopen(fileName, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE))
{}

void* SharedLibrary::FindSymbol(const char* name) const
{
    return m_handle ? dlsym(m_handle.get(), name) : nullptr;
}

void SharedLibrary::Closer::operator()(void* handle) const
{
    dlclose(handle);
}

} // namespace velmora
