#include "scheduler/schedule_clock.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/qt_text.h"
#include "fakes/fake_services.h"
#include "fakes/modal_answers.h"
#include "platform/code_page.h"
#include "platform/system_services.h"
#include "scheduler/scheduler_page.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;
namespace fs = std::filesystem;

// 2019-03-03 09:14:00 plus the given seconds.
LocalTime At(int second)
{
    return {2019, 3, 3, 9, 14, second};
}

DateTime Moment(int second)
{
    return DateTime::FromFields(2019, 3, 3, 9, 14, second);
}

// The clock of the main window with its page, driven tick by tick under a fake clock.
class ScheduleClockTest : public testing::Test
{
protected:
    explicit ScheduleClockTest(ProcessStarter* processes = nullptr)
        : m_services(ServicesStarting(processes)), m_page(m_state, m_services),
          m_clockUnderTest(m_state, m_services, m_page, m_configurationLine)
    {}

    // Programs are started through `processes` when given, else recorded.
    Services ServicesStarting(ProcessStarter* processes)
    {
        if (processes != nullptr)
            m_fakes.processes = processes;
        return m_fakes.Get();
    }

    void TickAt(int second)
    {
        m_fakes.clock.now = At(second);
        m_clockUnderTest.Tick();
    }

    void AddRow(const QString& moment, const QString& commandLine)
    {
        const QString number = QString::number(m_page.ExecutionList()->topLevelItemCount() + 1);
        m_page.ExecutionList()->addTopLevelItem(new QTreeWidgetItem(QStringList{number, moment, commandLine}));
    }

    ProgramState m_state;
    FakeServices m_fakes;
    Services m_services;
    SchedulerPage m_page;
    QLineEdit m_configurationLine;
    ScheduleClock m_clockUnderTest;
};

struct PowerCase
{
    const char* name;
    std::optional<int> shutdownAt; // armed at this second when given
    std::optional<int> restartAt;
    std::vector<int> ticks;
    std::vector<ShutdownAction> expected;
};

const PowerCase kPowerCases[] = {
    {"shutdown due", 11, std::nullopt, {10, 11, 12}, {ShutdownAction::PowerOff}},
    {"restart due", std::nullopt, 11, {10, 11, 12}, {ShutdownAction::Restart}},
    {"both due in one second, shutdown first", 11, 11, {10, 11}, {ShutdownAction::PowerOff, ShutdownAction::Restart}},
    {"a missed tick is caught up", 12, std::nullopt, {10, 11, 14}, {ShutdownAction::PowerOff}},
    {"a target already past never fires", 9, 5, {10, 11, 12}, {}},
    {"not yet due", 20, std::nullopt, {10, 11}, {}},
    {"fires once although armed actions stay armed", 11, std::nullopt, {10, 11, 11, 12}, {ShutdownAction::PowerOff}},
    {"a gap longer than a minute is not caught up", 11, std::nullopt, {10, 72}, {}},
};

TEST_F(ScheduleClockTest, PowerActionsFireOnceAtTheirSecond)
{
    for (const PowerCase& c : kPowerCases) {
        ProgramState fresh;
        m_state = fresh;
        m_fakes.power.requests.clear();
        ScheduleClock clock(m_state, m_services, m_page, m_configurationLine);
        if (c.shutdownAt) {
            m_state.shutdownPending = 1;
            m_state.schedule.shutdownTime = Moment(*c.shutdownAt);
        }
        if (c.restartAt) {
            m_state.restartPending = 1;
            m_state.schedule.restartTime = Moment(*c.restartAt);
        }
        for (int second : c.ticks) {
            m_fakes.clock.now = At(second);
            clock.Tick();
        }
        EXPECT_EQ(m_fakes.power.requests, c.expected) << c.name;
    }
}

TEST_F(ScheduleClockTest, DisarmedActionsNeverFire)
{
    m_state.schedule.shutdownTime = Moment(11);
    m_state.schedule.restartTime = Moment(11);
    m_state.schedule.alarmTime = Moment(11);
    TickAt(10);
    TickAt(11);
    EXPECT_TRUE(m_fakes.power.requests.empty());
    EXPECT_EQ(m_fakes.bell.startCount, 0);
}

TEST_F(ScheduleClockTest, StartsEveryDueRowInListOrder)
{
    AddRow(u"2019年3月3日9时14分11秒"_s, u"/opt/first"_s);
    AddRow(u"2019年3月3日9时14分12秒"_s, u"/opt/later"_s);
    AddRow(u"2019年3月3日9时14分11秒"_s, u"/opt/second"_s);
    AddRow(u"not a time"_s, u"/opt/never"_s);
    TickAt(10);
    EXPECT_TRUE(m_fakes.recordingProcesses.starts.empty());
    TickAt(11);
    ASSERT_EQ(m_fakes.recordingProcesses.starts.size(), 2U);
    EXPECT_EQ(m_fakes.recordingProcesses.starts[0].arguments, std::vector<NativeText>{"/opt/first"});
    EXPECT_EQ(m_fakes.recordingProcesses.starts[1].arguments, std::vector<NativeText>{"/opt/second"});
    EXPECT_EQ(m_fakes.recordingProcesses.starts[1].show, WindowShow::Normal);
    TickAt(11);
    EXPECT_EQ(m_fakes.recordingProcesses.starts.size(), 2U);
}

TEST_F(ScheduleClockTest, TheAlarmRingsOnceAndTheBellLoopsUntilCancelled)
{
    m_state.alarmSet = 1;
    m_state.schedule.alarmTime = Moment(11);
    m_state.reminderText = LocalFromUtf8("开会");
    TickAt(10);

    ModalAnswers answers;
    // The clock goes on inside the reminder box, without ringing again.
    answers.insideFirstMessageBox = [this] {
        TickAt(12);
        EXPECT_TRUE(m_page.HintBox()->toPlainText().startsWith(u"当前：2019年3月3日9时14分12秒"_s));
    };
    TickAt(11);
    ASSERT_EQ(answers.seen.size(), 1U);
    EXPECT_EQ(answers.seen[0].title, u"提示信息："_s);
    EXPECT_EQ(answers.seen[0].text, u"开会"_s);
    EXPECT_EQ(answers.seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(m_fakes.bell.startCount, 1);
    EXPECT_TRUE(m_fakes.bell.ringing);
    EXPECT_EQ(m_state.schedule.sessionSeconds, 3);

    TickAt(13);
    EXPECT_EQ(m_fakes.bell.startCount, 1);
    EXPECT_TRUE(m_fakes.bell.ringing) << "the bell rings on after the box is closed";

    answers.input.reset();
    m_page.ToggleAlarm();
    EXPECT_FALSE(m_fakes.bell.ringing);
}

TEST_F(ScheduleClockTest, TheFirstTickOfAVeryFirstRunShowsOneSecond)
{
    m_state.programVersion = "2.8";
    TickAt(10);
    EXPECT_TRUE(m_configurationLine.text().endsWith(u" 版本：2.8  已运行：1秒"_s))
        << m_configurationLine.text().toStdString();
    EXPECT_EQ(m_page.HintBox()->toPlainText(), u"当前：2019年3月3日9时14分10秒\n\n \n"_s);
}

TEST_F(ScheduleClockTest, TheDateBoxFollowsTheClockOnlyWhileAsked)
{
    m_state.schedule.dateBoxFollowsClock = 1;
    TickAt(10);
    EXPECT_EQ(m_page.DateBox()->dateTime(), QDateTime(QDate(2019, 3, 3), QTime(9, 14, 10)));
    m_state.schedule.dateBoxFollowsClock = 0;
    TickAt(11);
    EXPECT_EQ(m_page.DateBox()->dateTime(), QDateTime(QDate(2019, 3, 3), QTime(9, 14, 10)));
}

// The same clock starting real programs.
class ScheduleClockProcessTest : public ScheduleClockTest
{
protected:
    ScheduleClockProcessTest() : ScheduleClockTest(&RealStarter()) {}

    fs::path Folder() const { return fs::path(m_folder.path().toStdString()); }

    // A script at `script` that writes `marker` when it runs.
    static void WriteMarkerScript(const fs::path& script, const fs::path& marker)
    {
        std::ofstream(script) << "#!/bin/sh\necho started > '" << marker.string() << "'\n";
        fs::permissions(script, fs::perms::owner_all);
    }

    static ProcessStarter& RealStarter()
    {
        static const std::unique_ptr<ProcessStarter> starter = CreateSystemProcessStarter();
        return *starter;
    }

    QTemporaryDir m_folder;
};

TEST_F(ScheduleClockProcessTest, StartsARowsScriptAtItsSecondBlanksInThePathIncluded)
{
    const fs::path script = Folder() / "my job.sh";
    const fs::path marker = Folder() / "ran";
    WriteMarkerScript(script, marker);
    AddRow(u"2019年3月3日9时14分11秒"_s, QString::fromStdString(script.string()));

    TickAt(10);
    TickAt(11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(marker); }, 10000));
    // Detached: nothing is left for this program to reap.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

} // namespace
} // namespace velmora
