#pragma once

#include <filesystem>
#include <vector>

#include <QWidget>

#include "memo/memo_file.h"
#include "platform/file_system.h"

class QLineEdit;
class QMenu;
class QTreeWidget;

namespace velmora {

class CellEditor;

/// Page 2: the memo notes, a three-column list edited in place and kept in the memo file.
class MemoPage final : public QWidget
{
    Q_OBJECT

public:
    MemoPage(FileSystem& files, std::filesystem::path memoFile, QWidget* parent = nullptr);

    QTreeWidget* MemoList() const { return m_memoList; }

    /// Replaces every row of the list with the notes of the memo file; a missing or unreadable
    /// file leaves the list empty. Nothing is reported.
    void LoadMemos();
    /// Writes every row to the memo file and tells the outcome in a message box; the list keeps
    /// its rows either way.
    void SaveMemos();
    /// Deletes every row of the list; the file is not touched.
    void ClearMemos();

private:
    void BuildMenu();
    void AddRow();
    void DeleteCurrentRow();
    std::vector<MemoNote> Notes() const;

    FileSystem& m_files;
    std::filesystem::path m_memoFile;
    QTreeWidget* m_memoList;
    QLineEdit* m_cellEditor;
    QMenu* m_memoMenu = nullptr;
};

} // namespace velmora
