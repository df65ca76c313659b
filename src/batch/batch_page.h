#pragma once

#include <filesystem>

#include <QWidget>

#include "platform/file_dialog.h"
#include "platform/file_system.h"
#include "platform/folder_files.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace velmora {

struct BatchInputs;

/// Page 1: the form of the batch file operations. The mode list relabels the four input rows;
/// the button runs the chosen operation over the folder's files with a progress bar.
class BatchPage final : public QWidget
{
    Q_OBJECT

public:
    BatchPage(FileSystem& files, FolderFiles& folderFiles, FileDialog& fileDialog, QWidget* parent = nullptr);

    /// The selected mode, 0 to 8.
    int Mode() const;
    /// The folder row (the document itself in split mode).
    QLineEdit* FolderBox() const { return m_folderBox; }
    /// Hides the progress bar and its label, at position 0, until a run shows them.
    void HideProgress();

    /// Runs the selected operation with the boxes as they are now; does nothing while a run is
    /// going on.
    void Run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyModeLayout(int mode);
    void FillFolderBoxFromDialog();
    BatchInputs ReadInputs() const;
    void ShowProgressRow(bool shown);

    FileSystem& m_files;
    FolderFiles& m_folderFiles;
    FileDialog& m_fileDialog;
    /// The file the dialog gave when it was last confirmed; a cancelled dialog gives it again.
    std::filesystem::path m_lastChosenFile;
    bool m_running = false;

    QComboBox* m_modeList;
    QLabel* m_folderLabel;
    QLineEdit* m_folderBox;
    QLabel* m_typeLabel;
    QLineEdit* m_typeBox;
    QLabel* m_secondLabel;
    QLineEdit* m_secondBox;
    QLabel* m_thirdLabel;
    QLineEdit* m_thirdBox;
    QPushButton* m_runButton;
    QLabel* m_progressLabel;
    QProgressBar* m_progressBar;
};

} // namespace velmora
