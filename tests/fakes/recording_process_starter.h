#pragma once

#include <vector>

#include "platform/process_starter.h"

namespace velmora {

/// A process starter that records what it was asked to start and starts nothing.
class RecordingProcessStarter final : public ProcessStarter
{
public:
    struct Start
    {
        std::vector<NativeText> arguments; // a command line start records the line alone
        WindowShow show;
    };

    bool StartProgram(const NativeText& commandLine, WindowShow show) override
    {
        starts.push_back({{commandLine}, show});
        return true;
    }

    bool StartArguments(const std::vector<NativeText>& arguments, WindowShow show) override
    {
        starts.push_back({arguments, show});
        return true;
    }

    std::vector<Start> starts;
};

} // namespace velmora
