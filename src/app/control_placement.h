#pragma once

#include <initializer_list>

#include <QRect>
#include <QString>
#include <QWidget>

namespace velmora {

/// Creates a control of the window layout: named by its layout name, at its fixed place.
template <typename Control>
Control* PlaceControl(QWidget* parent, const QString& layoutName, const QRect& geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(layoutName);
    control->setGeometry(geometry);
    return control;
}

/// The same, for controls that show a caption from the start.
template <typename Control>
Control* PlaceControl(QWidget* parent, const QString& layoutName, const QRect& geometry, const QString& caption)
{
    auto* control = PlaceControl<Control>(parent, layoutName, geometry);
    control->setText(caption);
    return control;
}

} // namespace velmora

class QTreeWidget;

namespace velmora {

/// A column of a report list: its caption and width in pixels.
struct ReportColumn
{
    QString caption;
    int width = 0;
};

/// Creates a report-style list (rows of cells under a header) with the given columns.
QTreeWidget* PlaceReportList(QWidget* parent, const QString& layoutName, const QRect& geometry,
                             std::initializer_list<ReportColumn> columns);

} // namespace velmora
