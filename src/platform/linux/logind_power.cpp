#include "platform/linux/logind_power.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace velmora {

namespace {
// Long enough for the user to answer an authorisation prompt; events are handled meanwhile.
constexpr int kAnswerTimeoutMs = 5 * 60 * 1000;
} // namespace

bool LogindPower::ShutDownSystem(ShutdownAction action)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"),
        action == ShutdownAction::PowerOff ? QStringLiteral("PowerOff") : QStringLiteral("Reboot"));
    // The argument lets logind ask for authorisation instead of refusing outright.
    request << true;
    request.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = bus.call(request, QDBus::BlockWithGui, kAnswerTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace velmora
