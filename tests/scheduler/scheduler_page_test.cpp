#include "scheduler/scheduler_page.h"

#include <string>

#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "app/main_window.h"
#include "fakes/fake_services.h"
#include "fakes/modal_answers.h"
#include "platform/code_page.h"
#include "scheduler/execution_file.h"
#include "scheduler/schedule_clock.h"
#include "support/file_bytes.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

std::string Fixture(const char* name)
{
    return FixtureBytes(std::filesystem::path("scheduler") / name);
}

const QDateTime kChosen(QDate(2019, 3, 3), QTime(9, 14, 24));

class SchedulerPageTest : public testing::Test
{
protected:
    SchedulerPageTest() { m_page.DateBox()->setDateTime(kChosen); }

    template <typename Control = QPushButton>
    Control* Find(const QString& layoutName)
    {
        auto* control = m_page.findChild<Control*>(layoutName);
        EXPECT_NE(control, nullptr) << layoutName.toStdString();
        return control;
    }

    void Choose(const QString& menuItem)
    {
        for (QAction* action : Find<QMenu>(u"执行菜单"_s)->actions()) {
            if (action->text() == menuItem)
                return action->trigger();
        }
        ADD_FAILURE() << menuItem.toStdString();
    }

    void AddRow(const QDateTime& moment, const QString& path)
    {
        m_page.DateBox()->setDateTime(moment);
        m_page.DroppedPathBox()->setText(path);
        Find(u"按钮7"_s)->click();
    }

    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < m_page.ExecutionList()->topLevelItemCount(); ++row)
            texts.append(m_page.ExecutionList()->topLevelItem(row)->text(column));
        return texts;
    }

    std::filesystem::path ListFile() const { return ExecutionListFile(DataFolder()); }

    ProgramState m_state;
    FakeServices m_fakes;
    Services m_services = m_fakes.Get();
    SchedulerPage m_page{m_state, m_services};
    ModalAnswers m_answers;
};

TEST_F(SchedulerPageTest, ImmediateButtonsAskForPowerOffAndRestart)
{
    Find(u"按钮1"_s)->click();
    Find(u"按钮2"_s)->click();
    EXPECT_EQ(m_fakes.power.requests, (std::vector{ShutdownAction::PowerOff, ShutdownAction::Restart}));
    EXPECT_TRUE(m_answers.seen.empty());
}

TEST_F(SchedulerPageTest, TimedShutdownAndRestartToggleWithTheirCaptionsLinesAndNotices)
{
    struct Case
    {
        const char16_t* button;
        std::int32_t ProgramState::*pending;
        Text ProgramState::*line;
        const char* armedLine;
        const char16_t* notice;
        const char16_t* title;
        const char16_t* armedCaption;
        const char16_t* disarmedCaption;
    };
    const Case cases[] = {
        {u"按钮3", &ProgramState::shutdownPending, &ProgramState::shutdownLine, "关机：2019年3月3日9时14分24秒",
         u"将于2019年3月3日9时14分24秒秒 关机", u"关机提示", u"取消关机", u"定时关机"},
        {u"按钮4", &ProgramState::restartPending, &ProgramState::restartLine, "重启：2019年3月3日9时14分24秒",
         u"将于2019年3月3日9时14分24秒秒 重启", u"重启提示", u"取消重启", u"定时重启"},
    };
    for (const Case& c : cases) {
        QPushButton* button = Find(QString::fromUtf16(c.button));
        m_answers.seen.clear();
        m_state.schedule.dateBoxFollowsClock = 0;
        button->click();
        EXPECT_EQ(m_state.*c.pending, 1);
        EXPECT_EQ(m_state.*c.line, LocalFromUtf8(c.armedLine));
        EXPECT_EQ(button->text(), QString::fromUtf16(c.armedCaption));
        ASSERT_EQ(m_answers.seen.size(), 1U);
        EXPECT_EQ(m_answers.seen[0].text, QString::fromUtf16(c.notice));
        EXPECT_EQ(m_answers.seen[0].title, QString::fromUtf16(c.title));
        EXPECT_EQ(m_state.schedule.dateBoxFollowsClock, 1);

        m_state.schedule.dateBoxFollowsClock = 0;
        button->click();
        EXPECT_EQ(m_state.*c.pending, 0);
        EXPECT_TRUE((m_state.*c.line).empty());
        EXPECT_EQ(button->text(), QString::fromUtf16(c.disarmedCaption));
        EXPECT_EQ(m_answers.seen.size(), 1U) << "disarming shows no notice";
        EXPECT_EQ(m_state.schedule.dateBoxFollowsClock, 1);
    }
    EXPECT_EQ(m_state.schedule.shutdownTime, DateTime::FromFields(2019, 3, 3, 9, 14, 24));
}

TEST_F(SchedulerPageTest, TheAlarmAsksForItsReminderAndACancelledBoxKeepsTheOldOne)
{
    QPushButton* button = Find(u"按钮6"_s);
    m_answers.input = u"起床"_s;
    button->click();
    EXPECT_EQ(m_state.alarmSet, 1);
    EXPECT_EQ(button->text(), u"取消铃声"_s);
    EXPECT_EQ(m_state.reminderText, LocalFromUtf8("起床"));
    EXPECT_EQ(m_state.alarmLine, LocalFromUtf8("铃声：2019年3月3日9时14分24秒"));
    ASSERT_EQ(m_answers.seen.size(), 2U);
    EXPECT_EQ(m_answers.seen[0].title, u"提示闹钟"_s);
    EXPECT_EQ(m_answers.seen[0].text, u"请输入提醒内容"_s);
    EXPECT_EQ(m_answers.seen[1].title, u"设置提醒："_s);
    EXPECT_EQ(m_answers.seen[1].text, u"设置铃声成功"_s);

    m_fakes.bell.StartLooping();
    button->click();
    EXPECT_EQ(m_state.alarmSet, 0);
    EXPECT_EQ(button->text(), u"设置铃声"_s);
    EXPECT_FALSE(m_fakes.bell.ringing);
    EXPECT_TRUE(m_state.alarmLine.empty());
    EXPECT_EQ(m_answers.seen.back().text, u"取消铃声成功"_s);
    EXPECT_EQ(m_answers.seen.back().title, u"取消提醒"_s);

    m_answers.input.reset();
    button->click();
    EXPECT_EQ(m_state.alarmSet, 1);
    EXPECT_EQ(m_state.reminderText, LocalFromUtf8("起床"));
}

TEST_F(SchedulerPageTest, TheHintBoxShowsWhatIsArmed)
{
    ScheduleClock clock(m_state, m_services, m_page, *new QLineEdit(&m_page));
    Find(u"按钮4"_s)->click();
    m_answers.input = u""_s;
    Find(u"按钮6"_s)->click();
    clock.Tick();
    EXPECT_EQ(m_page.HintBox()->toPlainText(),
              u"当前：2019年3月3日9时14分24秒\n\n重启：2019年3月3日9时14分24秒 \n铃声：2019年3月3日9时14分24秒"_s);
}

TEST_F(SchedulerPageTest, TheDateBoxStopsFollowingWhenItGetsTheFocus)
{
    m_page.show();
    QApplication::setActiveWindow(&m_page);
    m_state.schedule.dateBoxFollowsClock = 1;
    QTest::mouseClick(m_page.DateBox()->childAt(5, 5), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(m_state.schedule.dateBoxFollowsClock, 0);
}

TEST_F(SchedulerPageTest, RowsKeepTheirNumbersWhenOthersAreDeleted)
{
    for (int i = 0; i < 3; ++i)
        AddRow(kChosen, u"/opt/job"_s);
    EXPECT_EQ(Column(0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    Choose(u"删除选中"_s);
    EXPECT_EQ(Column(0).size(), 3) << "nothing selected, nothing deleted";

    m_page.ExecutionList()->topLevelItem(0)->setSelected(true);
    Choose(u"删除选中"_s);
    AddRow(kChosen, u"/opt/job"_s);
    EXPECT_EQ(Column(0), (QStringList{u"2"_s, u"3"_s, u"3"_s}));
    EXPECT_EQ(Column(1).back(), u"2019年3月3日9时14分24秒"_s);

    Choose(u"删除全部"_s);
    EXPECT_EQ(m_page.ExecutionList()->topLevelItemCount(), 0);
}

TEST_F(SchedulerPageTest, SavingWritesTheFileAndLoadingRestoresTheRows)
{
    AddRow(kChosen, u"C:\\Tools\\job.exe"_s);
    AddRow(QDateTime(QDate(2019, 3, 4), QTime(8, 0)), u"D:\\run.exe"_s);
    Choose(u"保存"_s);
    EXPECT_EQ(m_fakes.fakeFiles.Content(ListFile()), Fixture("two_rows.ini"));
    ASSERT_EQ(m_answers.seen.size(), 1U);
    EXPECT_EQ(m_answers.seen[0].title, u"提示信息："_s);
    EXPECT_EQ(m_answers.seen[0].text, u"保存成功"_s);
    EXPECT_EQ(m_answers.seen[0].icon, QMessageBox::Information);

    const QStringList paths = Column(2);
    const QStringList moments = Column(1);
    Choose(u"删除全部"_s);
    Choose(u"读取"_s);
    EXPECT_EQ(Column(0), (QStringList{u"1"_s, u"2"_s}));
    EXPECT_EQ(Column(1), moments);
    EXPECT_EQ(Column(2), paths);
}

TEST_F(SchedulerPageTest, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    m_fakes.fakeFiles.files[ListFile()] = Fixture("two_rows.ini");
    m_fakes.fakeFiles.failWrites = true;
    Choose(u"保存"_s);
    ASSERT_EQ(m_answers.seen.size(), 1U);
    EXPECT_EQ(m_answers.seen[0].text, u"保存失败"_s);
    EXPECT_EQ(m_answers.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(m_fakes.fakeFiles.Content(ListFile()), Fixture("two_rows.ini"));
}

TEST_F(SchedulerPageTest, LoadingAMissingFileEmptiesTheList)
{
    AddRow(kChosen, u"/opt/job"_s);
    Choose(u"读取"_s);
    EXPECT_EQ(m_page.ExecutionList()->topLevelItemCount(), 0);
    EXPECT_TRUE(m_answers.seen.empty());
}

TEST_F(SchedulerPageTest, HelpExplainsTheList)
{
    Choose(u"帮助"_s);
    ASSERT_EQ(m_answers.seen.size(), 1U);
    EXPECT_EQ(m_answers.seen[0].title, u"执行帮助"_s);
    EXPECT_EQ(m_answers.seen[0].text,
              u"1.将文件拖动到 此执行框里\r\n2.设置好时间\r\n3.点击 定时执行，就会添加定时任务了"_s);
}

TEST(SchedulerStartUp, TheMainWindowLoadsTheListOnce)
{
    ProgramState state;
    FakeServices services;
    services.fakeFiles.files[ExecutionListFile(DataFolder())] = Fixture("awkward_paths.ini");
    MainWindow window(state, services.Get());
    window.MainWindowCreated();
    const auto* list = window.findChild<QTreeWidget*>(u"超级列表框2"_s);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(2), u"/opt/a=b，c/报表 😀.sh"_s);
    EXPECT_EQ(list->topLevelItem(1)->text(0), u"3"_s);
}

} // namespace
} // namespace velmora
