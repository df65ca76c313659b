#include "platform/system_services.h"

#include "platform/linux/detached_process_starter.h"
#include "platform/linux/dl_skin_engine_loader.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_folder_files.h"
#include "platform/linux/logind_power.h"
#include "platform/linux/system_clock.h"

namespace velmora {

std::unique_ptr<FileSystem> CreateSystemFileSystem()
{
    return std::make_unique<LinuxFileSystem>();
}

std::unique_ptr<FolderFiles> CreateSystemFolderFiles()
{
    return std::make_unique<LinuxFolderFiles>();
}

std::unique_ptr<Clock> CreateSystemClock()
{
    return std::make_unique<SystemClock>();
}

std::unique_ptr<Power> CreateSystemPower()
{
    return std::make_unique<LogindPower>();
}

std::unique_ptr<ProcessStarter> CreateSystemProcessStarter()
{
    return std::make_unique<DetachedProcessStarter>();
}

std::unique_ptr<SkinEngineLoader> CreateSystemSkinEngineLoader()
{
    return std::make_unique<DlSkinEngineLoader>();
}

} // namespace velmora
