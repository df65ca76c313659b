#pragma once

#include <filesystem>
#include <string_view>

namespace velmora {

/// The file name of the skin engine library on this platform.
std::filesystem::path SkinEngineFileName();

/// Finds and loads the skin engine library, a shared library that re-skins every window of the
/// program from a block of skin bytes.
class SkinEngineLoader
{
public:
    virtual ~SkinEngineLoader() = default;

    /// The folder of the program's own file, where the library is looked for first.
    virtual std::filesystem::path ProgramFolder() const = 0;

    /// The system's folder of shared libraries, where the library is looked for last.
    virtual std::filesystem::path SystemFolder() const = 0;

    /// Loads the library at the path unless it is loaded already and finds its attach function;
    /// true when both succeed. A loaded library stays loaded until the program ends.
    virtual bool Load(const std::filesystem::path& library) = 0;

    /// Hands a skin to the attach function of a library that Load accepted and returns what it
    /// returned: 0 when the skin was taken and applied. An empty skin goes as a null address.
    /// A library that was not loaded gives -1.
    virtual int Attach(const std::filesystem::path& library, std::string_view skin) = 0;
};

} // namespace velmora
