#include "batch/batch_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "app/control_placement.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

BatchPage::BatchPage(QWidget* parent)
    : QWidget(parent), m_modeList(PlaceControl<QComboBox>(this, u"组合框1"_s, {12, 16, 416, 20})),
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
}

int BatchPage::Mode() const
{
    return m_modeList->currentIndex();
}

void BatchPage::HideProgress()
{
    m_progressBar->setValue(0);
    m_progressBar->hide();
    m_progressLabel->hide();
}

} // namespace velmora
