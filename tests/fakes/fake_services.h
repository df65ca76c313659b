#pragma once

#include <memory>

#include "app/services.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "fakes/fixed_update_page.h"
#include "fakes/recording_bell.h"
#include "fakes/recording_browser.h"
#include "fakes/recording_power.h"
#include "fakes/recording_process_starter.h"
#include "fakes/recording_skin_engine.h"
#include "fakes/scripted_file_dialog.h"
#include "platform/system_services.h"

namespace velmora {

/// Every service the windows use, as fakes that record what was asked of them. A test that needs
/// the real disk, real processes or a real skin engine points `files`, `processes` or
/// `skinEngine` at real services before Get().
struct FakeServices
{
    FakeServices() = default;
    // The pointers below point into the object itself.
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    FakeFileSystem fakeFiles;
    FakeClock clock;
    RecordingBrowser browser;
    RecordingPower power;
    RecordingProcessStarter recordingProcesses;
    RecordingBell bell;
    ScriptedFileDialog fileDialog;
    RecordingSkinEngine recordingSkinEngine;
    FixedUpdatePage updatePage;
    // Batch runs touch only the folders a test names, so they may use the real disk.
    std::unique_ptr<FolderFiles> realFolderFiles = CreateSystemFolderFiles();

    FileSystem* files = &fakeFiles;
    ProcessStarter* processes = &recordingProcesses;
    SkinEngineLoader* skinEngine = &recordingSkinEngine;

    Services Get()
    {
        return Services{*files,           clock,      browser,     power,     *processes, bell,
                        *realFolderFiles, fileDialog, *skinEngine, updatePage};
    }
};

} // namespace velmora
