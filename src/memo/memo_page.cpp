#include "memo/memo_page.h"

#include <QLineEdit>
#include <QPalette>
#include <QTreeWidget>

#include "app/control_placement.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

MemoPage::MemoPage(QWidget* parent)
    : QWidget(parent), m_memoList(PlaceReportList(this, u"超级列表框1"_s, {0, 10, 430, 254},
                                                  {{u"序号"_s, 45}, {u"标题"_s, 100}, {u"内容"_s, 282}})),
      // Sized over a cell only while a cell is edited.
      m_cellEditor(PlaceControl<QLineEdit>(this, u"编辑框6"_s, {132, 72, 0, 24}))
{
    QPalette colours = m_memoList->palette();
    colours.setColor(QPalette::Text, QColor(128, 128, 255));
    colours.setColor(QPalette::Base, Qt::white);
    m_memoList->setPalette(colours);
}

} // namespace velmora
