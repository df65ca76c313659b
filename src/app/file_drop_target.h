#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace velmora {

/// Makes a widget, its children included, take drops of files and folders. Each drop is
/// reported once, as one path text: the path itself for one item, every path followed by CR LF
/// for several. Drops of anything else are refused.
class FileDropTarget final : public QObject
{
    Q_OBJECT

public:
    explicit FileDropTarget(QWidget* target);

    /// The path text that reports a drop of these paths.
    static QString JoinDroppedPaths(const QStringList& paths);

Q_SIGNALS:
    void FilesDropped(const QString& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace velmora
