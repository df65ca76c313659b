#pragma once

#include "web/text.h"

namespace velmora {

/// Where the version check gets the update page from.
class UpdatePageSource
{
public:
    virtual ~UpdatePageSource() = default;
    /// The page's bytes, waiting for them if they are still on their way; empty when the page
    /// could not be fetched.
    virtual ByteString Page() = 0;
};

} // namespace velmora
