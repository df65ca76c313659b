#include "platform/python_launch.h"

namespace velmora {

std::vector<NativeText> PythonScriptArguments(const std::filesystem::path& script, bool inConsole)
{
    // "Python" and "cmd" are found by the system's own search when the process is created. In the
    // console the command interpreter runs the script, then waits for a key ("& pause"), so the
    // script's output stays readable.
    if (!inConsole)
        return {L"Python", script.native()};
    return {L"cmd", L"/c", L"Python", script.native(), L"&", L"pause"};
}

} // namespace velmora
