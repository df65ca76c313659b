#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace velmora {

/// The file system of the machine the program runs on.
std::unique_ptr<FileSystem> CreateSystemFileSystem();

/// The local clock of the machine the program runs on.
std::unique_ptr<Clock> CreateSystemClock();

} // namespace velmora
