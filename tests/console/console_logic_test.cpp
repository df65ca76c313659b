#include <cstdint>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

#include "console/chat_request.h"
#include "console/console_texts.h"
#include "console/encyclopedia_lookup.h"
#include "console/seconds_input.h"
#include "platform/code_page.h"
#include "servers/local_http_server.h"
#include "translate/md5_hex.h"

namespace velmora {
namespace {

Text L(const char* utf8)
{
    return LocalFromUtf8(utf8);
}

TEST(SecondsFromInput, ReadsLeadingDigits)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::pair<Text, std::int64_t> cases[] = {
        {"61", 61},
        {"abc", 0},
        {"12abc", 12},
        {"", 0},
        {" \t\r\n 42", 42},
        {L("　7"), 7},      // a full-width space is white space
        {L("１２３"), 123}, // full-width digits
        {L("1２x3"), 12},
        {"-90", -90},
        {"+5", 5},
        {"- 5", 0},
        {"4294967296", 4294967296}, // beyond 32 bits
        {"9223372036854775807", kMax},
        {"9223372036854775808", kMax},
        {"-9223372036854775808", kMin},
        {"-99999999999999999999", kMin},
    };
    for (const auto& [text, seconds] : cases)
        EXPECT_EQ(SecondsFromInput(text), seconds) << text;
}

TEST(ConsoleTexts, StampLineAndHelp)
{
    EXPECT_EQ(ChatTimeStamp({2019, 3, 3, 9, 5, 7}), L("9：5：7"));
    EXPECT_EQ(ChatTimeStamp({2019, 3, 3, 23, 0, 59}), L("23：0：59"));
    EXPECT_EQ(TranscriptLine("Pellam", "9", "hi"), "Pellam    9\r\nhi\r\n");
    EXPECT_EQ(TranscriptLine("a", "1", ""), "a    1\r\n\r\n");
    const Text help = ConsoleHelpText();
    EXPECT_EQ(help.size(), 738U);
    EXPECT_EQ(Md5Hex(help), "81769f9777393e981da910ee35e761b5");
    EXPECT_EQ(DefaultOwnNickname(), "Pellam");
    EXPECT_EQ(DefaultRobotNickname(), L("小小"));
}

class ConsoleServiceTest : public testing::Test
{
protected:
    ConsoleServiceTest()
    {
        setenv("VELMORA_CHAT_URL", m_server.Url("/api.php").c_str(), 1);
        setenv("VELMORA_BAIKE_URL", m_server.Url("/item/").c_str(), 1);
    }
    ~ConsoleServiceTest() override
    {
        unsetenv("VELMORA_CHAT_URL");
        unsetenv("VELMORA_BAIKE_URL");
    }

    std::string m_answer;
    LocalHttpServer m_server{[this](const ReceivedRequest&) { return HttpResponse(200, m_answer); }};
};

TEST_F(ConsoleServiceTest, ChatMessageArrivesAsTyped)
{
    m_answer = "?Hello";
    const Text message = L("a&b#c?d/e%f 中");
    EXPECT_EQ(ChatAnswer(message), "Hello");
    const ReceivedRequest request = m_server.Requests().at(0);
    EXPECT_TRUE(request.requestLine.starts_with("POST /api.php?question="));
    EXPECT_EQ(request.QueryValue("question"), "a&b#c?d/e%f \xE4\xB8\xAD");
    const std::string target = request.Target();
    EXPECT_EQ(target.substr(target.find("&api_key=")),
              "&api_key=9c1b7e30d4a6f2859e0b3d71c6a4f8e2&api_secret=kw7hmu2pxe4n");
    EXPECT_EQ(request.body, "");
}

TEST_F(ConsoleServiceTest, ChatAnswerLosesItsFirstByte)
{
    const std::pair<std::string, Text> cases[] = {
        {"?Hello", "Hello"},
        {"\xEF\xBB\xBFHello", "Hello"}, // a byte-order mark decodes to that one byte
        {"x", ""},
        {"", ""},
        {"\xE4\xBD\xA0\xE5\xA5\xBD", "\xE3\xBA\xC3"}, // 你好 (C4 E3 BA C3): one byte, not one character, goes
    };
    for (const auto& [answer, shown] : cases) {
        m_answer = answer;
        EXPECT_EQ(ChatAnswer("q"), shown) << answer;
    }
}

TEST_F(ConsoleServiceTest, EncyclopediaShowsTheDescriptionTag)
{
    const Text label = L("百度百科：");
    const std::pair<std::string, Text> cases[] = {
        {"<html>\n<meta name=\"description\" content=\"ABC\">\n<title>t</title>", label + "ABC\""},
        {"<html>\n<meta name=\"description\" content=\"ABC\"/>\n<title>t</title>", label + "ABC\"/"},
        {"<html>\r\n<meta name=\"description\" content=\"ABC\">\r\n<title>", label},
        {"\n<meta name=\"description\" content=\"\xE7\x99\xBE\">\n<title>", label + L("百") + "\""},
        {"", label},
    };
    for (const auto& [page, shown] : cases) {
        m_answer = page;
        EXPECT_EQ(EncyclopediaLookup("w"), shown) << page;
    }
}

TEST_F(ConsoleServiceTest, EncyclopediaAddressCarriesTheWordEncoded)
{
    EncyclopediaLookup("");
    EncyclopediaLookup(L("a b/#中"));
    m_server.WaitForRequests(2);
    EXPECT_EQ(m_server.Requests()[0].requestLine, "GET /item/ HTTP/1.1");
    EXPECT_EQ(m_server.Requests()[1].Target(), "/item/a%20b%2F%23%E4%B8%AD");
}

TEST(EncyclopediaFailure, NoAnswerShowsTheLabelAlone)
{
    int port = 0;
    {
        LocalHttpServer closed([](const ReceivedRequest&) { return std::nullopt; });
        port = closed.Port();
    }
    setenv("VELMORA_BAIKE_URL", ("http://127.0.0.1:" + std::to_string(port) + "/item/").c_str(), 1);
    EXPECT_EQ(EncyclopediaLookup("w"), L("百度百科："));
    unsetenv("VELMORA_BAIKE_URL");
}

} // namespace
} // namespace velmora
