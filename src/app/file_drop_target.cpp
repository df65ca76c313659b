#include "app/file_drop_target.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
// The local paths of a drop, or nothing when it carries anything that is not a local file.
QStringList LocalPaths(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << QDir::toNativeSeparators(url.toLocalFile());
    }
    return paths;
}
} // namespace

FileDropTarget::FileDropTarget(QWidget* target) : QObject(target)
{
    // Children such as edit boxes would take the drop as text; the target takes it instead.
    for (QWidget* child : target->findChildren<QWidget*>())
        child->setAcceptDrops(false);
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

QString FileDropTarget::JoinDroppedPaths(const QStringList& paths)
{
    if (paths.size() == 1)
        return paths.front();
    QString joined;
    for (const QString& path : paths)
        joined += path + u"\r\n"_s;
    return joined;
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (LocalPaths(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = LocalPaths(drop->mimeData());
        if (paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        Q_EMIT FilesDropped(JoinDroppedPaths(paths));
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace velmora
