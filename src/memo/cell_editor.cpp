#include "memo/cell_editor.h"

#include <algorithm>

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

namespace velmora {

namespace {
// A single-line box on Windows keeps only the first line of pasted text; a line break in a cell
// would split its note in two in the memo file.
QString FirstLine(const QString& text)
{
    const auto lineBreak = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return text.first(lineBreak - text.cbegin());
}
} // namespace

CellEditor::CellEditor(QTreeWidget* list, QLineEdit* box, QObject* parent) : QObject(parent), m_list(list), m_box(box)
{
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->viewport()->installEventFilter(this);
    m_box->installEventFilter(this);
    m_box->hide();
    connect(m_box, &QLineEdit::returnPressed, this, &CellEditor::CommitOnEnter);
}

bool CellEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box) {
        if (event->type() == QEvent::FocusIn) {
            m_editTarget = {m_hitTest.row, m_hitTest.column};
        } else if (event->type() == QEvent::FocusOut) {
            // The box's own context menu takes the focus only while it is open.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                Commit();
        }
        return false;
    }

    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!press && !doubleClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (doubleClick)
        return StartEditing(mouse->position().toPoint());
    // The list then handles the press as usual and selects the pressed row itself.
    HitTest(mouse->position().toPoint());
    return false;
}

void CellEditor::HitTest(const QPoint& point)
{
    const QModelIndex cell = m_list->indexAt(point);
    m_hitTest = {point, cell.isValid() ? cell.row() : -1, cell.isValid() ? cell.column() : -1};
    m_list->clearSelection();
}

bool CellEditor::StartEditing(const QPoint& point)
{
    HitTest(point);
    if (m_hitTest.row < 0)
        return false;
    PlaceBoxOverHitCell();
    m_box->setText(m_list->topLevelItem(m_hitTest.row)->text(m_hitTest.column));
    m_box->show();
    // Otherwise the list paints over the box whenever it repaints.
    m_list->setUpdatesEnabled(false);
    m_box->setFocus(Qt::MouseFocusReason);
    m_box->selectAll();
    return true;
}

void CellEditor::PlaceBoxOverHitCell()
{
    // The row's position and the widths of the columns left of the hit one as the list has them
    // now, so that a column the user resized or a scrolled list is followed.
    const QRect row = m_list->visualRect(m_list->model()->index(m_hitTest.row, 0));
    int left = row.left();
    for (int column = 0; column < m_hitTest.column; ++column)
        left += m_list->columnWidth(column);
    const QPoint topLeft = m_list->viewport()->mapTo(m_box->parentWidget(), QPoint(left, row.top() + 1));
    m_box->setGeometry(topLeft.x(), topLeft.y(), m_list->columnWidth(m_hitTest.column), m_box->height());
}

void CellEditor::Commit()
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(m_editTarget.row);
        item != nullptr && m_editTarget.column >= 0 && m_editTarget.column < m_list->columnCount())
        item->setText(m_editTarget.column, FirstLine(m_box->text()));
    m_box->hide();
    m_list->setUpdatesEnabled(true);
}

void CellEditor::CommitOnEnter()
{
    Commit();
    // Hiding the box passed the focus on; it goes back to the list. Leaving the box this way
    // commits the same text once more.
    m_list->setFocus(Qt::OtherFocusReason);
}

} // namespace velmora
