#include "memo/memo_page.h"

#include <utility>

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QTreeWidget>

#include "app/control_placement.h"
#include "memo/cell_editor.h"
#include "platform/code_page.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
enum Column
{
    NumberColumn,
    TitleColumn,
    ContentColumn,
};

// Cells go to the file as stored text, so characters code page 936 lacks come back unchanged.
Text StoredText(const QString& cell)
{
    return StoredFromUtf16(cell.toStdU16String());
}

QString CellText(std::string_view stored)
{
    return QString::fromStdU16String(Utf16FromStored(stored));
}
} // namespace

MemoPage::MemoPage(FileSystem& files, std::filesystem::path memoFile, QWidget* parent)
    : QWidget(parent), m_files(files), m_memoFile(std::move(memoFile)),
      m_memoList(PlaceReportList(this, u"超级列表框1"_s, {0, 10, 430, 254},
                                 {{u"序号"_s, 45}, {u"标题"_s, 100}, {u"内容"_s, 282}})),
      // Sized over a cell only while a cell is edited.
      m_cellEditor(PlaceControl<QLineEdit>(this, u"编辑框6"_s, {132, 72, 0, 24}))
{
    QPalette colours = m_memoList->palette();
    colours.setColor(QPalette::Text, QColor(128, 128, 255));
    colours.setColor(QPalette::Base, Qt::white);
    m_memoList->setPalette(colours);
    // Columns keep their order, so that the editor's place is the widths of the columns left of it.
    m_memoList->header()->setSectionsMovable(false);

    new CellEditor(m_memoList, m_cellEditor, this);
    BuildMenu();
}

void MemoPage::BuildMenu()
{
    m_memoMenu = new QMenu(u"笔记"_s, this);
    m_memoMenu->setObjectName(u"笔记"_s);
    connect(m_memoMenu->addAction(u"增加数据"_s), &QAction::triggered, this, &MemoPage::AddRow);
    connect(m_memoMenu->addAction(u"删除当前"_s), &QAction::triggered, this, &MemoPage::DeleteCurrentRow);
    connect(m_memoMenu->addAction(u"笔记保存"_s), &QAction::triggered, this, &MemoPage::SaveMemos);
    connect(m_memoMenu->addAction(u"笔记清空"_s), &QAction::triggered, this, &MemoPage::ClearMemos);
    connect(m_memoMenu->addAction(u"笔记读取"_s), &QAction::triggered, this, &MemoPage::LoadMemos);

    m_memoList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_memoList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { m_memoMenu->popup(m_memoList->viewport()->mapToGlobal(point)); });
}

void MemoPage::AddRow()
{
    // The number is a label, not a key: after deletions it may repeat.
    new QTreeWidgetItem(m_memoList, {QString::number(m_memoList->topLevelItemCount()), QString(), QString()});
}

void MemoPage::DeleteCurrentRow()
{
    const QList<QTreeWidgetItem*> selected = m_memoList->selectedItems();
    if (!selected.isEmpty())
        delete selected.first();
}

void MemoPage::LoadMemos()
{
    ClearMemos();
    // Added all at once: one by one, a list of 100,000 notes took seconds to fill.
    QList<QTreeWidgetItem*> items;
    for (const MemoNote& note : ReadMemos(m_files, m_memoFile))
        items.append(new QTreeWidgetItem({CellText(note.number), CellText(note.title), CellText(note.content)}));
    m_memoList->addTopLevelItems(items);
}

void MemoPage::SaveMemos()
{
    const bool saved = WriteMemos(m_files, m_memoFile, Notes());
    QMessageBox box(saved ? QMessageBox::Information : QMessageBox::Warning, u"提示信息："_s,
                    saved ? u"保存成功"_s : u"保存失败"_s, QMessageBox::Ok, window());
    box.exec();
}

void MemoPage::ClearMemos()
{
    m_memoList->clear();
}

std::vector<MemoNote> MemoPage::Notes() const
{
    std::vector<MemoNote> notes;
    for (int row = 0; row < m_memoList->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_memoList->topLevelItem(row);
        notes.push_back({StoredText(item->text(NumberColumn)), StoredText(item->text(TitleColumn)),
                         StoredText(item->text(ContentColumn))});
    }
    return notes;
}

} // namespace velmora
