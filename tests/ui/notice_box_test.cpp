#include "scheduler/notice_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(NoticeBox, ClosesItselfAfterItsTimeOut)
{
    QWidget owner;
    owner.show();
    QElapsedTimer shown;
    shown.start();
    EXPECT_EQ(NoticeBox(u"设置铃声成功"_s, {64, u"设置提醒："_s, nullptr, 350}), kNoticeTimedOut);
    EXPECT_GE(shown.elapsed(), 300);
}

TEST(NoticeBox, ReturnsZeroWhenConfirmedAndKeepsTimersRunning)
{
    QWidget owner;
    owner.show();
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &owner, [&ticks] { ++ticks; });
    ticker.start(10);
    QMessageBox* seen = nullptr;
    QTimer::singleShot(200, &owner, [&seen] {
        seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (seen != nullptr)
            seen->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(NoticeBox(u"取消铃声成功"_s, {0, u"取消提醒"_s, nullptr, 5000}), kNoticeConfirmed);
    ASSERT_NE(seen, nullptr);
    EXPECT_GT(ticks, 5);
}

TEST(NoticeBox, BelongsToTheProgramsVisibleWindowWithTheDefaultTitle)
{
    QWidget owner;
    owner.show();
    QString title;
    QWidget* parent = nullptr;
    QTimer::singleShot(50, &owner, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            parent = box->parentWidget();
        }
    });
    NoticeBox(u"text"_s, {.timeoutMs = 200});
    EXPECT_EQ(title, u"友情提醒"_s);
    EXPECT_EQ(parent, &owner);
}

} // namespace
} // namespace velmora
