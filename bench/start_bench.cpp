// The program as it starts for real, ended the moment its main window is shown: the time from
// process start to that moment and the peak memory up to it are what bench/run measures. With
// --stay it goes on running, idle, instead, for the idle CPU measurement.

#include <cstring>

#include <QApplication>
#include <QEvent>

#include "app/program_start.h"
#include "shown.h"

namespace {

class MainWindowShown final : public QObject
{
public:
    explicit MainWindowShown(bool stay) : m_stay(stay) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->inherits("velmora::MainWindow")) {
            SayShown(m_stay);
        }
        return false;
    }

private:
    bool m_stay;
};

} // namespace

int main(int argc, char** argv)
{
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    MainWindowShown shown(stay);
    application.installEventFilter(&shown);
    return velmora::ProgramStart();
}
