#include "batch/batch_page.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "app/control_placement.h"
#include "app/qt_text.h"
#include "batch/bar_progress.h"
#include "batch/batch_engine.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {

// How a mode relabels the lower three rows; a row without caption is hidden and keeps its
// caption, a box without text is emptied.
struct ModeLayout
{
    const char16_t* typeCaption;
    const char16_t* secondCaption;
    const char16_t* thirdCaption;
    const char16_t* typeText;
    const char16_t* secondText;
    const char16_t* thirdText;
};

constexpr const char16_t* kSampleTime = u"2009-11-15 15:15:15";

constexpr ModeLayout kModeLayouts[] = {
    {u"文件类型", u"取前缀名", nullptr, nullptr, nullptr, nullptr},
    {u"文件类型", u"新扩展名", nullptr, u"txt", nullptr, nullptr},
    {u"文件类型", u"生成数量", u"生成内容", nullptr, nullptr, nullptr},
    {u"文件类型", nullptr, nullptr, nullptr, nullptr, nullptr},
    {u"文件类型", nullptr, nullptr, u"txt", nullptr, nullptr},
    {u"文件类型", nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {u"创建时间:", u"修改时间:", u"访问时间:", kSampleTime, kSampleTime, kSampleTime},
    {u"文件类型", u"初始文本：", u"替换文本：", nullptr, nullptr, nullptr},
};

void ApplyRow(QLabel* label, QLineEdit* box, const char16_t* caption, const char16_t* text)
{
    label->setVisible(caption != nullptr);
    box->setVisible(caption != nullptr);
    if (caption != nullptr)
        label->setText(QString::fromUtf16(caption));
    box->setText(text != nullptr ? QString::fromUtf16(text) : QString());
}

std::string BoxText(const QLineEdit* box)
{
    return box->text().toStdString();
}

} // namespace

BatchPage::BatchPage(FileSystem& files, FolderFiles& folderFiles, FileDialog& fileDialog, QWidget* parent)
    : QWidget(parent), m_files(files), m_folderFiles(folderFiles), m_fileDialog(fileDialog),
      m_modeList(PlaceControl<QComboBox>(this, u"组合框1"_s, {12, 16, 416, 20})),
      m_folderLabel(PlaceControl<QLabel>(this, u"标签1"_s, {30, 55, 56, 24}, u"文件目录："_s)),
      m_folderBox(PlaceControl<QLineEdit>(this, u"编辑框1"_s, {90, 56, 328, 24})),
      m_typeLabel(PlaceControl<QLabel>(this, u"标签2"_s, {30, 90, 56, 24}, u"文件类型："_s)),
      m_typeBox(PlaceControl<QLineEdit>(this, u"编辑框2"_s, {90, 88, 328, 24}, u"txt"_s)),
      m_secondLabel(PlaceControl<QLabel>(this, u"标签3"_s, {30, 120, 56, 24}, u"取前缀名："_s)),
      m_secondBox(PlaceControl<QLineEdit>(this, u"编辑框3"_s, {90, 120, 328, 24})),
      m_thirdLabel(PlaceControl<QLabel>(this, u"标签4"_s, {30, 150, 56, 24}, u"生成内容："_s)),
      m_thirdBox(PlaceControl<QLineEdit>(this, u"编辑框4"_s, {90, 152, 328, 24})),
      m_runButton(PlaceControl<QPushButton>(this, u"按钮8"_s, {340, 200, 72, 24}, u"确认"_s)),
      m_progressLabel(PlaceControl<QLabel>(this, u"标签进度条"_s, {28, 232, 56, 16}, u"处理进度："_s)),
      m_progressBar(PlaceControl<QProgressBar>(this, u"进度条1"_s, {92, 232, 328, 20}))
{
    m_modeList->addItems({u"改文件名"_s, u"改扩展名"_s, u"生成文件"_s, u"删除文件"_s, u"文档合并"_s, u"文档拆分"_s,
                          u"整理分类"_s, u"文件时间"_s, u"内容替换"_s});
    m_modeList->setCursor(Qt::PointingHandCursor);
    m_typeBox->setFrame(true);
    m_thirdLabel->hide();
    m_thirdBox->hide();
    m_runButton->setCursor(Qt::PointingHandCursor);
    m_progressBar->setRange(0, 1000);
    m_progressBar->setValue(0);

    connect(m_modeList, &QComboBox::activated, this, &BatchPage::ApplyModeLayout);
    connect(m_runButton, &QPushButton::clicked, this, &BatchPage::Run);
    m_folderBox->installEventFilter(this);
}

int BatchPage::Mode() const
{
    return m_modeList->currentIndex();
}

void BatchPage::HideProgress()
{
    m_progressBar->setValue(0);
    ShowProgressRow(false);
}

void BatchPage::ShowProgressRow(bool shown)
{
    m_progressBar->setVisible(shown);
    m_progressLabel->setVisible(shown);
}

bool BatchPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_folderBox && event->type() == QEvent::MouseButtonDblClick) {
        FillFolderBoxFromDialog();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BatchPage::ApplyModeLayout(int mode)
{
    if (mode < 0 || mode >= static_cast<int>(std::size(kModeLayouts)))
        return;
    m_folderLabel->setText(u"文件目录"_s);
    m_typeLabel->setText(u"文件类型"_s);
    m_folderLabel->show();
    m_folderBox->show();
    const ModeLayout& layout = kModeLayouts[mode];
    ApplyRow(m_typeLabel, m_typeBox, layout.typeCaption, layout.typeText);
    ApplyRow(m_secondLabel, m_secondBox, layout.secondCaption, layout.secondText);
    ApplyRow(m_thirdLabel, m_thirdBox, layout.thirdCaption, layout.thirdText);
}

void BatchPage::FillFolderBoxFromDialog()
{
    if (const std::optional<std::filesystem::path> chosen = m_fileDialog.ChooseFileToOpen())
        m_lastChosenFile = *chosen;
    const NativePath& path = m_lastChosenFile.native();
    m_folderBox->setText(FromNativePath(Mode() == static_cast<int>(BatchMode::Split) ? path : FolderOfPath(path)));
}

BatchInputs BatchPage::ReadInputs() const
{
    return BatchInputs{static_cast<BatchMode>(Mode()), BoxText(m_folderBox), BoxText(m_typeBox), BoxText(m_secondBox),
                       BoxText(m_thirdBox)};
}

void BatchPage::Run()
{
    // Reached again from the message pump of a run in progress.
    if (m_running)
        return;
    m_running = true;
    ShowProgressRow(true);
    if (Mode() == static_cast<int>(BatchMode::Split))
        m_typeBox->setText(u"txt"_s);
    const BatchInputs inputs = ReadInputs();

    BarProgress progress(m_progressBar);
    BatchTools tools{m_files, m_folderFiles, progress};
    RunBatch(inputs, tools);

    if (inputs.mode == BatchMode::Merge)
        m_thirdBox->clear();
    ShowProgressRow(false);
    m_running = false;
}

} // namespace velmora
