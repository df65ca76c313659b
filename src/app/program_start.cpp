#include "app/program_start.h"

#include <optional>

#include <QApplication>
#include <QEventLoop>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/skin_engine.h"
#include "app/splash_window.h"
#include "app/system_services_owner.h"
#include "platform/code_page.h"

namespace velmora {

namespace {
// Opens the main window over everything else and returns when the program ends with it.
void RunMainWindow(MainWindow& window)
{
    // The program ends when its window does, through an exit command or a close; ending the
    // application also ends this loop and the splash window's pauses around it.
    QObject::connect(&window, &MainWindow::ExitRequested, &window, [] { QCoreApplication::exit(0); });
    QObject::connect(&window, &MainWindow::Closed, &window, [] { QCoreApplication::exit(0); });
    window.MainWindowCreated();
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    QEventLoop untilTheProgramEnds;
    untilTheProgramEnds.exec();
}
} // namespace

int ProgramStart()
{
    // Everything the program shares lives here, so it is released by any way out of this
    // function.
    ProgramState state;
    SystemServicesOwner services;
    state.skinEnginePath = LocateSkinEngine(services.Get().files, services.Get().skinEngine, {});

    // The splash window stays, hidden, while the main window is open; it must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    std::optional<MainWindow> window;
    // While the splash window shows, also the code page tables the main window's creation step
    // reads its files with are opened.
    const auto makeMainWindow = [&] {
        window.emplace(state, services.Get());
        PrepareCodePages();
    };
    SplashWindow splash(state, makeMainWindow, [&window] { RunMainWindow(*window); });
    return QApplication::exec();
}

} // namespace velmora
