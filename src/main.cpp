#include <QApplication>

#include "app/program_start.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    return velmora::ProgramStart();
}
