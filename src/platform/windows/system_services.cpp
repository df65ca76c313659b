#include "platform/system_services.h"

#include "platform/windows/win32_file_system.h"
#include "platform/windows/win32_folder_files.h"
#include "platform/windows/win32_power.h"
#include "platform/windows/win32_process_starter.h"
#include "platform/windows/win32_skin_engine_loader.h"
#include "platform/windows/win32_system_clock.h"

namespace velmora {

std::unique_ptr<FileSystem> CreateSystemFileSystem()
{
    return std::make_unique<Win32FileSystem>();
}

std::unique_ptr<FolderFiles> CreateSystemFolderFiles()
{
    return std::make_unique<Win32FolderFiles>();
}

std::unique_ptr<Clock> CreateSystemClock()
{
    return std::make_unique<Win32SystemClock>();
}

std::unique_ptr<Power> CreateSystemPower()
{
    return std::make_unique<Win32Power>();
}

std::unique_ptr<ProcessStarter> CreateSystemProcessStarter()
{
    return std::make_unique<Win32ProcessStarter>();
}

std::unique_ptr<SkinEngineLoader> CreateSystemSkinEngineLoader()
{
    return std::make_unique<Win32SkinEngineLoader>();
}

} // namespace velmora
