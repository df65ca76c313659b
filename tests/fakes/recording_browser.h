#pragma once

#include <string>
#include <vector>

#include "platform/browser.h"

namespace velmora {

/// A browser that records the pages it was asked to open.
class RecordingBrowser final : public Browser
{
public:
    bool Open(const std::string& address) override
    {
        opened.push_back(address);
        return true;
    }

    std::vector<std::string> opened;
};

} // namespace velmora
