#include "app/settings_page.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "app/control_placement.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
struct ThemeButton
{
    const char16_t* caption;
    QRect geometry;
};

// Places inside the group box, in the order of the theme numbers 1 to 12.
constexpr ThemeButton kThemeButtons[] = {
    {u"简约清爽", {15, 30, 83, 16}},  {u"简约黑", {15, 60, 73, 16}},      {u"简约com", {100, 30, 110, 15}},
    {u"简约蓝", {15, 90, 72, 16}},    {u"简约红", {100, 60, 90, 15}},     {u"简约蓝紫", {100, 90, 80, 15}},
    {u"简约纯", {200, 30, 86, 15}},   {u"简约绿", {200, 60, 86, 15}},     {u"简约木", {200, 90, 66, 15}},
    {u"简约默认", {300, 30, 86, 15}}, {u"简约WhiteF", {300, 60, 86, 15}}, {u"简约米白", {300, 90, 78, 15}},
};
} // namespace

SettingsPage::SettingsPage(QWidget* parent)
    : QWidget(parent),
      m_transparencyLabel(PlaceControl<QLabel>(this, u"透明标签窗口"_s, {5, 16, 280, 20}, u"窗口透明数值："_s)),
      m_transparencySlider(PlaceControl<QSlider>(this, u"滑块条1"_s, {-4, 48, 449, 28})),
      m_themeGroup(PlaceControl<QGroupBox>(this, u"分组框1"_s, {12, 128, 416, 120})),
      m_configurationLine(PlaceControl<QLineEdit>(this, u"编辑框配置信息"_s, {10, 240, 420, 20}))
{
    m_transparencyLabel->setAttribute(Qt::WA_TranslucentBackground);
    m_transparencySlider->setOrientation(Qt::Horizontal);
    m_transparencySlider->setTickPosition(QSlider::TicksBelow);
    m_transparencySlider->setRange(1, 100);
    m_transparencySlider->setValue(1);
    m_transparencySlider->setCursor(Qt::PointingHandCursor);

    m_themeGroup->setTitle(u"当前配色方案："_s);
    int number = 1;
    for (const ThemeButton& theme : kThemeButtons) {
        auto* button = PlaceControl<QRadioButton>(m_themeGroup, u"单选框"_s + QString::number(number), theme.geometry,
                                                  QString::fromUtf16(theme.caption));
        connect(button, &QRadioButton::clicked, this, [this, number] { Q_EMIT ThemeClicked(number); });
        ++number;
    }

    m_configurationLine->setReadOnly(true);
    // A read-only line edit selects a word on double-click and reports nothing else.
    m_configurationLine->installEventFilter(this);
}

bool SettingsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_configurationLine && event->type() == QEvent::MouseButtonDblClick)
        Q_EMIT ConfigurationLineDoubleClicked();
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
