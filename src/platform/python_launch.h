#pragma once

#include <filesystem>
#include <vector>

#include "platform/process_starter.h"

namespace velmora {

/// The arguments that run a Python script with the interpreter found on the search path: in a
/// console window that waits for a key after the script ends, or with no window at all. Empty
/// when no interpreter (or, for the console, no terminal) is found.
std::vector<NativeText> PythonScriptArguments(const std::filesystem::path& script, bool inConsole);

} // namespace velmora
