#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace velmora {

/// Page 1: the form of the batch file operations.
class BatchPage final : public QWidget
{
    Q_OBJECT

public:
    explicit BatchPage(QWidget* parent = nullptr);

    /// The selected mode, 0 to 8.
    int Mode() const;
    /// The folder row (the document itself in split mode).
    QLineEdit* FolderBox() const { return m_folderBox; }
    /// Hides the progress bar and its label until a run shows them.
    void HideProgress();

private:
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
