#pragma once

#include "platform/browser.h"

namespace velmora {

/// Opens pages through the desktop's URL handler.
class DesktopBrowser final : public Browser
{
public:
    bool Open(const std::string& address) override;
};

} // namespace velmora
