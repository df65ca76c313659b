// Runs against a stand-in logind on a private bus: see run_with_fake_logind in CMakeLists.txt.
#include "platform/linux/logind_power.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kLogind = u"org.freedesktop.login1"_s;

class LogindPowerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("VELMORA_FAKE_LOGIND_BUS"))
            GTEST_SKIP() << "needs the private bus of run_with_fake_logind";
        m_logind.setProgram(u"/usr/bin/python3"_s);
        m_logind.setArguments(
            {u"-m"_s, u"dbusmock"_s, u"--system"_s, u"--template"_s, u"logind"_s, u"--logfile"_s, LogFile()});
        m_logind.start();
        ASSERT_TRUE(m_logind.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return QDBusConnection::systemBus().interface()->isServiceRegistered(kLogind).value(); }, 20000));
    }

    void TearDown() override
    {
        if (m_logind.state() != QProcess::NotRunning) {
            m_logind.terminate();
            m_logind.waitForFinished();
        }
    }

    QString LogFile() const { return m_folder.filePath(u"calls.log"_s); }

    QByteArray Calls() const
    {
        QFile log(LogFile());
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    // Makes the stand-in refuse a method as logind refuses an unauthorised caller.
    static void Refuse(const QString& method)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kLogind, u"/org/freedesktop/login1"_s,
                                                           u"org.freedesktop.DBus.Mock"_s, u"AddMethod"_s);
        call << u"org.freedesktop.login1.Manager"_s << method << u"b"_s << QString()
             << u"raise dbus.exceptions.DBusException('no', name='org.freedesktop.DBus.Error.AccessDenied')"_s;
        ASSERT_EQ(QDBusConnection::systemBus().call(call).type(), QDBusMessage::ReplyMessage);
    }

    QTemporaryDir m_folder;
    QProcess m_logind;
    LogindPower m_power;
};

TEST_F(LogindPowerTest, AsksLogindInteractivelyToPowerOffAndToRestart)
{
    EXPECT_TRUE(m_power.ShutDownSystem(ShutdownAction::PowerOff));
    EXPECT_TRUE(m_power.ShutDownSystem(ShutdownAction::Restart));
    const QByteArray calls = Calls();
    EXPECT_TRUE(calls.contains("PowerOff True")) << calls.toStdString();
    EXPECT_TRUE(calls.contains("Reboot True")) << calls.toStdString();
    EXPECT_LT(calls.indexOf("PowerOff"), calls.indexOf("Reboot"));
}

TEST_F(LogindPowerTest, ARefusalIsFalse)
{
    Refuse(u"PowerOff"_s);
    EXPECT_FALSE(m_power.ShutDownSystem(ShutdownAction::PowerOff));
}

TEST_F(LogindPowerTest, NoLogindIsFalse)
{
    TearDown();
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return !QDBusConnection::systemBus().interface()->isServiceRegistered(kLogind).value(); }, 20000));
    EXPECT_FALSE(m_power.ShutDownSystem(ShutdownAction::Restart));
}

} // namespace
} // namespace velmora
