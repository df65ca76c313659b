#pragma once

#include <QWidget>

class QLineEdit;
class QTreeWidget;

namespace velmora {

/// Page 2: the memo notes, a three-column list edited in place.
class MemoPage final : public QWidget
{
    Q_OBJECT

public:
    explicit MemoPage(QWidget* parent = nullptr);

    QTreeWidget* MemoList() const { return m_memoList; }

private:
    QTreeWidget* m_memoList;
    QLineEdit* m_cellEditor;
};

} // namespace velmora
