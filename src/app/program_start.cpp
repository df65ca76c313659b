#include "app/program_start.h"

#include <QApplication>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/system_services_owner.h"

namespace velmora {

int ProgramStart()
{
    // Everything the program shares lives here, so it is released by any way out of this
    // function.
    ProgramState state;
    SystemServicesOwner services;

    MainWindow window(state, services.Get());
    // The program ends when its window does, through an exit command or a close.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &MainWindow::ExitRequested, &window, [] { QCoreApplication::exit(0); });
    QObject::connect(&window, &MainWindow::Closed, &window, [] { QCoreApplication::exit(0); });
    window.MainWindowCreated();
    window.show();
    return QApplication::exec();
}

} // namespace velmora
