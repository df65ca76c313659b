#pragma once

#include "app/update_page_source.h"
#include "platform/bell.h"
#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/file_dialog.h"
#include "platform/file_system.h"
#include "platform/folder_files.h"
#include "platform/power.h"
#include "platform/process_starter.h"
#include "platform/skin_engine_loader.h"

namespace velmora {

/// The outside world as the windows see it. The program passes the real services; tests pass
/// fakes that record what was asked of them.
struct Services
{
    FileSystem& files;
    Clock& clock;
    Browser& browser;
    Power& power;
    ProcessStarter& processes;
    Bell& bell;
    FolderFiles& folderFiles;
    FileDialog& fileDialog;
    SkinEngineLoader& skinEngine;
    UpdatePageSource& updatePage;
};

} // namespace velmora
