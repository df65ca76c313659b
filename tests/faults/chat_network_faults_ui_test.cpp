// The chat console while the chat server hangs, breaks off, resets or sends bytes that are not
// UTF-8: every message is shown at once, the good ones are answered, and nothing waits on the bad.
#include <string>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "console/box_text.h"
#include "console/console_page.h"
#include "fakes/fake_clock.h"
#include "servers/local_http_server.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

// How long queued answers may take to arrive before the test fails instead of hanging.
constexpr int kAnswerWaitMs = 60000;

std::optional<std::string> MisbehavingChat(const ReceivedRequest& request)
{
    const std::string question = request.QueryValue("question");
    if (question == "silent")
        return std::nullopt;
    if (question == "half")
        return std::string("HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n?re:half");
    if (question == "bad")
        return HttpResponse(200, "?re:\xFF\xC3(bad");
    return HttpResponse(200, "?re:" + question);
}

TEST(ChatNetworkFaults, OtherMessagesAreAnsweredWhileBadAnswersHangOrBreak)
{
    LocalHttpServer server(MisbehavingChat);
    qputenv("VELMORA_CHAT_URL", QByteArray::fromStdString(server.Url("/api.php")));
    {
        FakeClock clock;
        ConsolePage page(clock);
        page.ResetMode();
        page.show();
        auto* modes = page.findChild<QComboBox*>(u"组合框2"_s);
        modes->setCurrentIndex(ConsolePage::ChatMode);
        Q_EMIT modes->activated(ConsolePage::ChatMode);
        auto* input = page.findChild<QPlainTextEdit*>(u"编辑框8"_s);
        auto* output = page.findChild<QPlainTextEdit*>(u"编辑框7"_s);
        auto* send = page.findChild<QPushButton*>(u"按钮9"_s);

        for (const QString& message : {u"half"_s, u"bad"_s, u"fine"_s}) {
            input->setPlainText(message);
            QTest::mouseClick(send, Qt::LeftButton);
            // Shown at once: sending never waits for the server.
            EXPECT_NE(BoxText(output).find(message.toStdString() + "\r\n"), Text::npos);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return BoxText(output).find("re:fine") != Text::npos; }, kAnswerWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return BoxText(output).find("re:?") != Text::npos; }, kAnswerWaitMs));
        EXPECT_EQ(BoxText(output).find("re:half"), Text::npos);

        // A message the server never answers: the page stays usable and goes at once.
        input->setPlainText(u"silent"_s);
        QTest::mouseClick(send, Qt::LeftButton);
        server.WaitForRequests(4);
        EXPECT_NE(BoxText(output).find("silent\r\n"), Text::npos);
    }
    qunsetenv("VELMORA_CHAT_URL");
}

} // namespace
} // namespace velmora
