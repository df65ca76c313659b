// The timed-execution list of the scheduler page: its rows, its pop-up menu and its file.
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTreeWidget>

#include "app/data_folder.h"
#include "app/qt_text.h"
#include "scheduler/execution_file.h"
#include "scheduler/notice_box.h"
#include "scheduler/scheduler_page.h"
#include "scheduler/time_text.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList RowColumns(const ExecutionRow& row)
{
    return {QString::fromStdU16String(row.number), QString::fromStdU16String(row.moment),
            QString::fromStdU16String(row.commandLine)};
}

ExecutionRow RowOf(const QTreeWidgetItem& item)
{
    return {item.text(SchedulerPage::NumberColumn).toStdU16String(),
            item.text(SchedulerPage::MomentColumn).toStdU16String(),
            item.text(SchedulerPage::CommandLineColumn).toStdU16String()};
}
} // namespace

void SchedulerPage::BuildExecutionMenu()
{
    m_executionMenu = new QMenu(u"执行菜单"_s, this);
    m_executionMenu->setObjectName(u"执行菜单"_s);
    connect(m_executionMenu->addAction(u"删除选中"_s), &QAction::triggered, this, &SchedulerPage::DeleteSelectedRow);
    connect(m_executionMenu->addAction(u"删除全部"_s), &QAction::triggered, m_executionList, &QTreeWidget::clear);
    connect(m_executionMenu->addAction(u"保存"_s), &QAction::triggered, this, &SchedulerPage::SaveExecutionList);
    connect(m_executionMenu->addAction(u"读取"_s), &QAction::triggered, this, &SchedulerPage::LoadExecutionList);
    connect(m_executionMenu->addAction(u"帮助"_s), &QAction::triggered, this, [] {
        NoticeBox(u"1.将文件拖动到 此执行框里\r\n2.设置好时间\r\n3.点击 定时执行，就会添加定时任务了"_s,
                  {.flags = 64, .title = u"执行帮助"_s, .timeoutMs = 10000});
    });

    m_executionList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_executionList, &QWidget::customContextMenuRequested, this,
            [this] { m_executionMenu->popup(QCursor::pos()); });
}

void SchedulerPage::AddTimedExecution()
{
    const QString moment = ToQString(TimeText(DateBoxMoment()));
    const QString path = m_droppedPathBox->text();
    // The file keeps one row per line: a path holding a line break would come back from it as
    // other rows, starting programs nobody chose.
    if (path.contains(u'\n') || path.contains(u'\r'))
        return;
    const QString number = QString::number(m_executionList->topLevelItemCount() + 1);
    m_executionList->addTopLevelItem(new QTreeWidgetItem(QStringList{number, moment, path}));
}

void SchedulerPage::DeleteSelectedRow()
{
    const QList<QTreeWidgetItem*> selected = m_executionList->selectedItems();
    if (!selected.isEmpty())
        delete selected.front();
}

void SchedulerPage::SaveExecutionList()
{
    std::vector<ExecutionRow> rows;
    for (int row = 0; row < m_executionList->topLevelItemCount(); ++row)
        rows.push_back(RowOf(*m_executionList->topLevelItem(row)));
    const bool saved = m_services.files.WriteFile(ExecutionListFile(DataFolder()), ExecutionFileBytes(rows));

    QMessageBox message(saved ? QMessageBox::Information : QMessageBox::Warning, u"提示信息："_s,
                        saved ? u"保存成功"_s : u"保存失败"_s, QMessageBox::Ok);
    message.setWindowModality(Qt::ApplicationModal);
    message.exec();
}

void SchedulerPage::LoadExecutionList()
{
    m_executionList->clear();
    const std::optional<std::string> bytes = m_services.files.ReadFile(ExecutionListFile(DataFolder()));
    if (!bytes)
        return;
    // Added all at once: one by one, a list of 100,000 rows took seconds to fill.
    QList<QTreeWidgetItem*> items;
    for (const ExecutionRow& row : ParseExecutionFile(*bytes))
        items.append(new QTreeWidgetItem(RowColumns(row)));
    m_executionList->addTopLevelItems(items);
}

} // namespace velmora
