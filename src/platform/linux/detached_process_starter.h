#pragma once

#include "platform/process_starter.h"

namespace velmora {

/// Starts programs detached from this one: no shell, standard streams on the null device, and
/// nothing left for this program to wait for.
class DetachedProcessStarter final : public ProcessStarter
{
public:
    bool StartProgram(const NativeText& commandLine, WindowShow show) override;
    bool StartArguments(const std::vector<NativeText>& arguments, WindowShow show) override;
};

} // namespace velmora
