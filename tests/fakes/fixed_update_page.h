#pragma once

#include "app/update_page_source.h"

namespace velmora {

/// An update page that is there at once: empty, as when it cannot be fetched, unless a test
/// gives it bytes.
struct FixedUpdatePage final : UpdatePageSource
{
    ByteString page;
    ByteString Page() override { return page; }
};

} // namespace velmora
