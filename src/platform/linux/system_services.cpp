#include "platform/system_services.h"

#include "platform/linux/dl_skin_engine_loader.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/system_clock.h"

namespace velmora {

std::unique_ptr<FileSystem> CreateSystemFileSystem()
{
    return std::make_unique<LinuxFileSystem>();
}

std::unique_ptr<Clock> CreateSystemClock()
{
    return std::make_unique<SystemClock>();
}

std::unique_ptr<SkinEngineLoader> CreateSystemSkinEngineLoader()
{
    return std::make_unique<DlSkinEngineLoader>();
}

} // namespace velmora
