// Renders the main window on each of its six pages to page-0.png ... page-5.png in a folder, and
// once more in each of the twelve themes to theme-1/ ... theme-12/, headless, for the README and
// for reviewing the layout.
#include <cstdio>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/system_services_owner.h"
#include "platform/linux/dl_skin_engine_loader.h"

using namespace Qt::Literals::StringLiterals;

namespace {

bool RenderPages(velmora::MainWindow& window, const QDir& output)
{
    if (!output.mkpath(u"."_s)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output.path()));
        return false;
    }
    for (int page = velmora::MainWindow::SchedulerPageIndex; page <= velmora::MainWindow::SettingsPageIndex; ++page) {
        window.ShowPage(page);
        QApplication::processEvents();
        const QString file = output.filePath(u"page-%1.png"_s.arg(page));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

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
    // The pictures need no update page.
    if (qEnvironmentVariableIsEmpty("VELMORA_UPDATE_URL"))
        qputenv("VELMORA_UPDATE_URL", "http://127.0.0.1:1/");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));

    velmora::ProgramState state;
    // The skin engine is built beside the program, not beside this tool.
    velmora::SystemServicesOwner services(
        std::make_unique<velmora::DlSkinEngineLoader>(VELMORA_SKIN_ENGINE_FOLDER, "/usr/lib"));
    velmora::MainWindow window(state, services.Get());
    window.MainWindowCreated();
    window.show();
    // One tick of the schedule clock fills in its texts and the date box.
    QEventLoop tick;
    QTimer::singleShot(1200, &tick, &QEventLoop::quit);
    tick.exec();
    if (!RenderPages(window, output))
        return 1;
    // The default theme first: chosen before any other it keeps the program's own look.
    for (int theme : {10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
        window.findChild<QAbstractButton*>(u"单选框%1"_s.arg(theme))->click();
        if (!RenderPages(window, QDir(output.filePath(u"theme-%1"_s.arg(theme)))))
            return 1;
    }
    return 0;
}
