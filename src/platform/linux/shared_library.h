#pragma once

#include <memory>

namespace velmora {

/// A system library opened by its file name when first needed rather than when the program
/// starts. It stays mapped until the program ends, so that what it handed out stays valid.
class SharedLibrary
{
public:
    /// Opens the library; IsOpen() tells whether that succeeded.
    explicit SharedLibrary(const char* fileName);

    bool IsOpen() const { return m_handle != nullptr; }

    /// The function of that name, typed by the caller; nullptr when the library lacks it.
    template <typename Function>
    Function* Find(const char* name) const
    {
        return reinterpret_cast<Function*>(FindSymbol(name));
    }

private:
    void* FindSymbol(const char* name) const;

    struct Closer
    {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, Closer> m_handle;
};

} // namespace velmora
