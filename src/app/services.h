#pragma once

#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/skin_engine_loader.h"

namespace velmora {

/// The outside world as the windows see it. The program passes the real services; tests pass
/// fakes that record what was asked of them.
struct Services
{
    FileSystem& files;
    Clock& clock;
    Browser& browser;
    SkinEngineLoader& skinEngine;
};

} // namespace velmora
