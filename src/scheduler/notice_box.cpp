#include "scheduler/notice_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace velmora {

namespace {
QMessageBox::Icon IconOf(int flags)
{
    switch (flags & 0xF0) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The program's own window for the notice to belong to: the active one, else any visible one
// (a minimised window counts as visible).
QWidget* ProgramWindow()
{
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isWindow() && window->windowType() == Qt::Window)
            return window;
    }
    return nullptr;
}
} // namespace

int NoticeBox(const QString& text, const NoticeOptions& options)
{
    QWidget* owner = options.owner != nullptr ? options.owner : ProgramWindow();
    QMessageBox box(IconOf(options.flags), options.title, text, QMessageBox::Ok, owner);
    box.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

    bool timedOut = false;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, &box, [&box, &timedOut] {
        timedOut = true;
        box.done(QMessageBox::Ok);
    });
    if (options.timeoutMs > 0)
        closer.start(options.timeoutMs);
    box.exec();
    return timedOut ? kNoticeTimedOut : kNoticeConfirmed;
}

} // namespace velmora
