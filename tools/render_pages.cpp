// Renders the main window on each of its six pages to page-0.png ... page-5.png in a folder,
// headless, for the README and for reviewing the layout.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/system_services_owner.h"

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    // A home of its own, so rendering never reads or writes the user's notes and settings.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary home folder\n");
        return 1;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(u"."_s)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    velmora::ProgramState state;
    velmora::SystemServicesOwner services;
    velmora::MainWindow window(state, services.Get());
    window.MainWindowCreated();
    window.show();
    // One tick of the schedule clock fills in its texts and the date box.
    QEventLoop tick;
    QTimer::singleShot(1200, &tick, &QEventLoop::quit);
    tick.exec();
    for (int page = velmora::MainWindow::SchedulerPageIndex; page <= velmora::MainWindow::SettingsPageIndex; ++page) {
        window.ShowPage(page);
        QApplication::processEvents();
        const QString file = output.filePath(u"page-%1.png"_s.arg(page));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
