#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/skin_engine_loader.h"

namespace velmora {

/// The file system of the machine the program runs on.
std::unique_ptr<FileSystem> CreateSystemFileSystem();

/// The local clock of the machine the program runs on.
std::unique_ptr<Clock> CreateSystemClock();

/// The loader of the skin engine library, looking beside the program and in the system's folder.
std::unique_ptr<SkinEngineLoader> CreateSystemSkinEngineLoader();

} // namespace velmora
