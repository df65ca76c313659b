#include "app/control_placement.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace velmora {

QTreeWidget* PlaceReportList(QWidget* parent, const QString& layoutName, const QRect& geometry,
                             std::initializer_list<ReportColumn> columns)
{
    auto* list = PlaceControl<QTreeWidget>(parent, layoutName, geometry);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setFrameShape(QFrame::Box);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList captions;
    for (const ReportColumn& column : columns)
        captions << column.caption;
    list->setHeaderLabels(captions);
    list->header()->setStretchLastSection(false);
    int index = 0;
    for (const ReportColumn& column : columns)
        list->setColumnWidth(index++, column.width);
    return list;
}

} // namespace velmora
