#include "console/console_page.h"

#include <chrono>
#include <future>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "console/box_text.h"
#include "console/console_texts.h"
#include "fakes/fake_clock.h"
#include "platform/code_page.h"
#include "scheduler/time_text.h"
#include "servers/local_http_server.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

// How long queued answers may take to arrive before the test fails instead of hanging.
constexpr int kAnswerWaitMs = 60000;

Text L(const char* utf8)
{
    return LocalFromUtf8(utf8);
}

// The console page with every web service it talks to on one local server, which answers each
// path as the test sets it.
class ConsolePageTest : public testing::Test
{
protected:
    ConsolePageTest()
    {
        qputenv("VELMORA_BAIKE_URL", QByteArray::fromStdString(m_server.Url("/item/")));
        qputenv("VELMORA_CHAT_URL", QByteArray::fromStdString(m_server.Url("/api.php")));
        qputenv("VELMORA_TRANSLATE_URL", QByteArray::fromStdString(m_server.Url("/api/trans/vip/translate")));
        m_page = std::make_unique<ConsolePage>(m_clock);
        m_page->ResetMode();
        m_page->show();
    }

    ~ConsolePageTest() override
    {
        m_page.reset();
        qunsetenv("VELMORA_BAIKE_URL");
        qunsetenv("VELMORA_CHAT_URL");
        qunsetenv("VELMORA_TRANSLATE_URL");
    }

    template <typename Control>
    Control* Find(const QString& name) const
    {
        return m_page->findChild<Control*>(name);
    }

    QPlainTextEdit* Input() const { return Find<QPlainTextEdit>(u"编辑框8"_s); }
    QPlainTextEdit* Output() const { return Find<QPlainTextEdit>(u"编辑框7"_s); }

    // What the user's choice in the mode list does.
    void ChooseMode(int mode) const
    {
        QComboBox* modes = Find<QComboBox>(u"组合框2"_s);
        modes->setCurrentIndex(mode);
        Q_EMIT modes->activated(mode);
    }

    std::size_t RequestsTo(const std::string& pathStart) const
    {
        std::size_t count = 0;
        for (const ReceivedRequest& request : m_server.Requests())
            count += request.Target().starts_with(pathStart) ? 1 : 0;
        return count;
    }

    std::string AnswerFor(const ReceivedRequest& request) const
    {
        const std::string target = request.Target();
        if (target.starts_with("/item/"))
            return "\n<meta name=\"description\" content=\"" + target.substr(6) + "\">\n<title>";
        if (target.starts_with("/api.php"))
            return "?re:" + request.QueryValue("question");
        return R"({"trans_result":[{"src":"x","dst":"\u82f9\u679c"}]})";
    }

    FakeClock m_clock;
    LocalHttpServer m_server{[this](const ReceivedRequest& request) { return HttpResponse(200, AnswerFor(request)); }};
    std::unique_ptr<ConsolePage> m_page;
};

TEST_F(ConsolePageTest, EveryKeystrokeLooksUpAndTheLastResultStays)
{
    QTest::keyClicks(Input(), u"abc"_s);
    ASSERT_EQ(m_server.Requests().size(), 3U);
    EXPECT_EQ(m_server.Requests()[0].Target(), "/item/a");
    EXPECT_EQ(m_server.Requests()[1].Target(), "/item/ab");
    EXPECT_EQ(m_server.Requests()[2].Target(), "/item/abc");
    EXPECT_EQ(BoxText(Output()), L("百度百科：") + "abc\"");
}

TEST_F(ConsolePageTest, ModeSwitchShowsTheModesControls)
{
    QComboBox* sourceList = Find<QComboBox>(u"组合框3"_s);
    QComboBox* targetList = Find<QComboBox>(u"组合框4"_s);
    QLabel* targetLabel = Find<QLabel>(u"标签6"_s);
    QPushButton* sendButton = Find<QPushButton>(u"按钮9"_s);
    const auto shown = [&] {
        return std::array{sourceList->isVisible(), targetList->isVisible(), targetLabel->isVisible(),
                          sendButton->isVisible()};
    };
    EXPECT_EQ(shown(), (std::array{false, false, false, false}));
    EXPECT_EQ(sourceList->count(), 28);
    ChooseMode(ConsolePage::TranslationMode);
    EXPECT_EQ(shown(), (std::array{true, true, true, false}));
    ChooseMode(ConsolePage::ChatMode);
    EXPECT_EQ(shown(), (std::array{false, false, false, true}));
    // Selecting from code is not the user's choice and switches nothing.
    Find<QComboBox>(u"组合框2"_s)->setCurrentIndex(ConsolePage::TranslationMode);
    EXPECT_EQ(shown(), (std::array{false, false, false, true}));
    ChooseMode(ConsolePage::SecondsMode);
    EXPECT_EQ(shown(), (std::array{false, false, false, false}));
}

TEST_F(ConsolePageTest, SecondsModeShowsTheDuration)
{
    ChooseMode(ConsolePage::SecondsMode);
    const std::pair<QString, std::int64_t> cases[] = {
        {u"61"_s, 61}, {u"abc"_s, 0}, {u"12abc"_s, 12}, {u"１２３４５６７"_s, 1234567}};
    for (const auto& [input, seconds] : cases) {
        SetBoxText(Output(), "old");
        Input()->setPlainText(input);
        EXPECT_EQ(BoxText(Output()), DurationText(seconds)) << input.toStdString();
    }
    EXPECT_TRUE(m_server.Requests().empty());
}

TEST_F(ConsolePageTest, TranslationModeShowsTheTranslation)
{
    ChooseMode(ConsolePage::TranslationMode);
    Find<QComboBox>(u"组合框3"_s)->setCurrentIndex(2);
    Find<QComboBox>(u"组合框4"_s)->setCurrentIndex(1);
    Input()->setPlainText(u"apple"_s);
    EXPECT_EQ(BoxText(Output()), L("苹果"));
    const ReceivedRequest request = m_server.Requests().at(0);
    EXPECT_EQ(request.QueryValue("q"), "apple");
    EXPECT_EQ(request.QueryValue("appid"), "31857169328451937");
    EXPECT_EQ(request.QueryValue("from"), "en");
    EXPECT_EQ(request.QueryValue("to"), "zh");
    EXPECT_EQ(request.QueryValue("salt"), "1551575664");
}

TEST_F(ConsolePageTest, EnterSendsOnlyInChatMode)
{
    for (const int mode : {ConsolePage::EncyclopediaMode, ConsolePage::TranslationMode, ConsolePage::SecondsMode}) {
        ChooseMode(mode);
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    EXPECT_EQ(RequestsTo("/api.php"), 0U);
    EXPECT_EQ(BoxText(Output()).find("Pellam"), Text::npos);

    ChooseMode(ConsolePage::ChatMode);
    Input()->setPlainText(u"hi"_s);
    const std::size_t before = m_server.Requests().size();
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(BoxText(Input()), "");
    ASSERT_TRUE(QTest::qWaitFor([&] { return RequestsTo("/api.php") == 1; }, kAnswerWaitMs));
    EXPECT_EQ(m_server.Requests().size(), before + 1); // clearing the input looked nothing up
}

TEST_F(ConsolePageTest, ChatTranscriptWithDefaultNicknames)
{
    ChooseMode(ConsolePage::ChatMode);
    const Text robotLine = L("小小") + "    " + L("9：14：24") + "\r\n";
    Input()->setPlainText(u"a&b #c"_s);
    QTest::mouseClick(Find<QPushButton>(u"按钮9"_s), Qt::LeftButton);
    const Text ownLine = "Pellam    " + L("9：14：24") + "\r\n";
    const Text sent = L("双击查看帮助。") + ownLine + "a&b #c\r\n";
    EXPECT_EQ(BoxText(Output()), sent);
    ASSERT_TRUE(QTest::qWaitFor([&] { return BoxText(Output()).size() > sent.size(); }, kAnswerWaitMs));
    EXPECT_EQ(m_server.Requests().at(0).QueryValue("question"), "a&b #c"); // arrived intact
    EXPECT_EQ(BoxText(Output()), sent + robotLine + "re:a&b #c\r\n");

    // An empty message still goes out, under the nickname kept from the first time.
    m_clock.now.second = 30;
    QTest::mouseClick(Find<QPushButton>(u"按钮9"_s), Qt::LeftButton);
    const Text secondSent = BoxText(Output());
    EXPECT_TRUE(secondSent.ends_with("Pellam    " + L("9：14：30") + "\r\n\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return BoxText(Output()).size() > secondSent.size(); }, kAnswerWaitMs));
    EXPECT_EQ(BoxText(Output()), secondSent + L("小小") + "    " + L("9：14：30") + "\r\nre:\r\n");
}

TEST_F(ConsolePageTest, HelpReplacesTheTranscriptAndChatGoesOnAfterIt)
{
    ChooseMode(ConsolePage::ChatMode);
    Input()->setPlainText(u"x"_s);
    QTest::mouseClick(Find<QPushButton>(u"按钮9"_s), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return BoxText(Output()).find("re:x") != Text::npos; }, kAnswerWaitMs));
    QTest::mouseDClick(Output()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(BoxText(Output()), ConsoleHelpText());
    Input()->setPlainText(u"y"_s);
    QTest::mouseClick(Find<QPushButton>(u"按钮9"_s), Qt::LeftButton);
    EXPECT_EQ(BoxText(Output()), ConsoleHelpText() + "Pellam    " + L("9：14：24") + "\r\ny\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return BoxText(Output()).find("re:y") != Text::npos; }, kAnswerWaitMs));
}

TEST_F(ConsolePageTest, NicknamesAreAskedFromTheMenu)
{
    const QPoint click(20, 15);
    QTest::mouseDClick(Input()->viewport(), Qt::LeftButton, {}, click);
    QMenu* menu = m_page->NicknameMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), Input()->viewport()->mapToGlobal(click) + QPoint(3, 3));
    menu->hide();
    ASSERT_EQ(menu->actions().size(), 2);

    const auto answerDialog = [](const QString& caption, const QString& text, bool accept) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), caption);
            EXPECT_EQ(dialog->labelText(), u"提示"_s);
            EXPECT_EQ(dialog->textValue(), QString());
            dialog->setTextValue(text);
            accept ? dialog->accept() : dialog->reject();
        });
    };
    answerDialog(u"请输入自己昵称。"_s, u"林"_s, true);
    menu->actions()[0]->trigger();
    answerDialog(u"请输入机器人昵称。"_s, u"Bot"_s, true);
    menu->actions()[1]->trigger();
    answerDialog(u"请输入自己昵称。"_s, u"ignored"_s, false);
    menu->actions()[0]->trigger();

    ChooseMode(ConsolePage::ChatMode);
    Input()->setPlainText(u"hi"_s);
    QTest::mouseClick(Find<QPushButton>(u"按钮9"_s), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return BoxText(Output()).find("re:hi") != Text::npos; }, kAnswerWaitMs));
    EXPECT_TRUE(BoxText(Output()).ends_with(L("林") + "    " + L("9：14：24") + "\r\nhi\r\nBot    " + L("9：14：24") +
                                            "\r\nre:hi\r\n"));
}

TEST(ConsolePageLifetime, AnAnswerAfterThePageIsGoneTouchesNothing)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    LocalHttpServer server([released](const ReceivedRequest&) {
        released.wait();
        return HttpResponse(200, "?late");
    });
    qputenv("VELMORA_CHAT_URL", QByteArray::fromStdString(server.Url("/api.php")));
    FakeClock clock;
    auto page = std::make_unique<ConsolePage>(clock);
    QComboBox* modes = page->findChild<QComboBox*>(u"组合框2"_s);
    modes->setCurrentIndex(ConsolePage::ChatMode);
    Q_EMIT modes->activated(ConsolePage::ChatMode);
    QTest::mouseClick(page->findChild<QPushButton*>(u"按钮9"_s), Qt::LeftButton);
    server.WaitForRequests(1);
    release.set_value();
    // The worker answers while or after the page goes; nothing of it may arrive anywhere.
    page.reset();
    QCoreApplication::processEvents();
    qunsetenv("VELMORA_CHAT_URL");
}

TEST(ConsolePageLifetime, APageWithAnUnansweredMessageGoesAtOnce)
{
    LocalHttpServer silent([](const ReceivedRequest&) { return std::nullopt; });
    qputenv("VELMORA_CHAT_URL", QByteArray::fromStdString(silent.Url("/api.php")));
    FakeClock clock;
    auto page = std::make_unique<ConsolePage>(clock);
    QComboBox* modes = page->findChild<QComboBox*>(u"组合框2"_s);
    modes->setCurrentIndex(ConsolePage::ChatMode);
    Q_EMIT modes->activated(ConsolePage::ChatMode);
    QTest::mouseClick(page->findChild<QPushButton*>(u"按钮9"_s), Qt::LeftButton);
    silent.WaitForRequests(1);
    // The request is aborted rather than waited for to its time-out.
    page.reset();
    qunsetenv("VELMORA_CHAT_URL");
}

} // namespace
} // namespace velmora
