#pragma once

#include <filesystem>
#include <vector>

namespace velmora {

/// Text in the platform's own form, as paths and command lines are handed to the system.
using NativeText = std::filesystem::path::string_type;

/// How the started program's window is shown where the system has such a choice.
enum class WindowShow
{
    Hidden = 1,
    Normal = 2,
};

/// Starts other programs without a shell, without waiting for them and without keeping them
/// tied to this program.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;

    /// Starts a command line as the system's own command lines are read: a line that names an
    /// existing file whole is that file, blanks included; any other line is split into the
    /// program and its arguments. False when nothing could be started.
    virtual bool StartProgram(const NativeText& commandLine, WindowShow show) = 0;

    /// Starts the program named by the first argument with the others. False when it could not be
    /// started.
    virtual bool StartArguments(const std::vector<NativeText>& arguments, WindowShow show) = 0;
};

} // namespace velmora
