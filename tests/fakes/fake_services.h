#pragma once

#include "app/services.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "fakes/recording_bell.h"
#include "fakes/recording_browser.h"
#include "fakes/recording_power.h"
#include "fakes/recording_process_starter.h"

namespace velmora {

/// Every service the windows use, as fakes that record what was asked of them. A test that needs
/// the real disk or real processes points `files` or `processes` at real services before Get().
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

    FileSystem* files = &fakeFiles;
    ProcessStarter* processes = &recordingProcesses;

    Services Get() { return Services{*files, clock, browser, power, *processes, bell}; }
};

} // namespace velmora
