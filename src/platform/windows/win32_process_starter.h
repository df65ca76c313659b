#pragma once

#include "platform/process_starter.h"

namespace velmora {

/// Starts programs with CreateProcess: no shell, no file association, handles not inherited.
class Win32ProcessStarter final : public ProcessStarter
{
public:
    bool StartProgram(const NativeText& commandLine, WindowShow show) override;
    bool StartArguments(const std::vector<NativeText>& arguments, WindowShow show) override;
};

/// Joins arguments into one command line that splits back into them by the rules of
/// SplitCommandLine. An argument is quoted when it is empty, holds a blank, a tab or a quote, or
/// holds one of the command interpreter's operators (& | < > ^ ( )) beside other characters; a
/// lone operator stays bare, so that "cmd /c a & b" runs two commands.
NativeText JoinCommandLine(const std::vector<NativeText>& arguments);

} // namespace velmora
