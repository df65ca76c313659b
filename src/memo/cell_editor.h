#pragma once

#include <QObject>
#include <QPoint>

class QLineEdit;
class QTreeWidget;

namespace velmora {

/// Edits the cells of a report list in place: a double-click lays a single-line box exactly over
/// the cell under the pointer, and the cell takes the box's text on Enter or when the box loses
/// the focus. There is no cancel. While the box is open the list does not repaint.
class CellEditor final : public QObject
{
    Q_OBJECT

public:
    /// The box must be a sibling of the list, stacked above it.
    CellEditor(QTreeWidget* list, QLineEdit* box, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The last point tested in the list's viewport and the cell under it; row -1 when no cell
    /// was hit.
    struct HitTestRecord
    {
        QPoint point;
        int row = 0;
        int column = 0;
    };

    struct Cell
    {
        int row = 0;
        int column = 0;
    };

    void HitTest(const QPoint& point);
    /// True when a cell was hit and the box opened over it.
    bool StartEditing(const QPoint& point);
    void PlaceBoxOverHitCell();
    void Commit();
    void CommitOnEnter();

    QTreeWidget* m_list;
    QLineEdit* m_box;
    HitTestRecord m_hitTest;
    /// Fixed when the box receives the focus, so that leaving it by a click on another cell
    /// still commits to the cell being edited.
    Cell m_editTarget;
};

} // namespace velmora
