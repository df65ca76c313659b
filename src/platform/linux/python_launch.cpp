#include "platform/python_launch.h"

#include <initializer_list>
#include <string>

#include "platform/linux/search_path.h"

namespace velmora {

namespace {
struct Terminal
{
    const char* name;
    // What comes between the terminal's name and the program it runs.
    std::initializer_list<const char*> options;
};

// The desktop's chosen terminal first, then common ones, then the one found everywhere.
const Terminal kTerminals[] = {
    {"x-terminal-emulator", {"-e"}},
    {"gnome-terminal", {"--"}},
    {"konsole", {"-e"}},
    {"xfce4-terminal", {"-x"}},
    {"mate-terminal", {"-x"}},
    {"alacritty", {"-e"}},
    {"kitty", {}},
    {"xterm", {"-fa", "WenQuanYi Micro Hei Mono", "-e"}},
};

// Runs the interpreter on the script, then waits for one key so the output stays readable. The
// script's path reaches the shell only as a positional argument, never as shell text.
constexpr const char* kRunThenWaitForKey =
    "\"$@\"; printf '\\n%s' '请按任意键继续. . .'; stty -icanon -echo 2>/dev/null; dd bs=1 count=1 >/dev/null 2>&1";

std::filesystem::path FindInterpreter()
{
    std::filesystem::path interpreter = FindOnSearchPath("python3");
    return interpreter.empty() ? FindOnSearchPath("python") : interpreter;
}
} // namespace

std::vector<NativeText> PythonScriptArguments(const std::filesystem::path& script, bool inConsole)
{
    const std::filesystem::path interpreter = FindInterpreter();
    if (interpreter.empty())
        return {};
    if (!inConsole)
        return {interpreter.native(), script.native()};

    for (const Terminal& terminal : kTerminals) {
        const std::filesystem::path found = FindOnSearchPath(terminal.name);
        if (found.empty())
            continue;
        std::vector<NativeText> arguments{found.native()};
        arguments.insert(arguments.end(), terminal.options.begin(), terminal.options.end());
        arguments.insert(arguments.end(),
                         {"/bin/sh", "-c", kRunThenWaitForKey, "sh", interpreter.native(), script.native()});
        return arguments;
    }
    return {};
}

} // namespace velmora
