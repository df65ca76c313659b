#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/folder_files.h"
#include "platform/power.h"
#include "platform/process_starter.h"
#include "platform/skin_engine_loader.h"

namespace velmora {

/// The file system of the machine the program runs on.
std::unique_ptr<FileSystem> CreateSystemFileSystem();

/// Folder listing, moves, deletion and file times on the machine the program runs on.
std::unique_ptr<FolderFiles> CreateSystemFolderFiles();

/// The local clock of the machine the program runs on.
std::unique_ptr<Clock> CreateSystemClock();

/// Power-off and restart of the machine the program runs on.
std::unique_ptr<Power> CreateSystemPower();

/// Starts programs on the machine the program runs on.
std::unique_ptr<ProcessStarter> CreateSystemProcessStarter();

/// The loader of the skin engine library, looking beside the program and in the system's folder.
std::unique_ptr<SkinEngineLoader> CreateSystemSkinEngineLoader();

} // namespace velmora
