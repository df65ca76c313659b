#include "app/program_start.h"

#include <QApplication>

#include "app/desktop_browser.h"
#include "app/desktop_file_dialog.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "platform/system_services.h"

namespace velmora {

int ProgramStart()
{
    // Everything the program shares lives here, so it is released by any way out of this
    // function.
    ProgramState state;
    const std::unique_ptr<FileSystem> files = CreateSystemFileSystem();
    const std::unique_ptr<Clock> clock = CreateSystemClock();
    DesktopBrowser browser;
    const std::unique_ptr<FolderFiles> folderFiles = CreateSystemFolderFiles();
    DesktopFileDialog fileDialog;

    MainWindow window(state, Services{*files, *clock, browser, *folderFiles, fileDialog});
    // The program ends when its window does, through an exit command or a close.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &MainWindow::ExitRequested, &window, [] { QCoreApplication::exit(0); });
    QObject::connect(&window, &MainWindow::Closed, &window, [] { QCoreApplication::exit(0); });
    window.MainWindowCreated();
    window.show();
    return QApplication::exec();
}

} // namespace velmora
