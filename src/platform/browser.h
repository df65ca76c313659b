#pragma once

#include <string>

namespace velmora {

/// Opens web pages in the user's default browser.
class Browser
{
public:
    virtual ~Browser() = default;
    /// Asks the desktop to show the page; false when it refused.
    virtual bool Open(const std::string& address) = 0;
};

} // namespace velmora
