#include "translate/translate_request.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "scheduler/time_text.h"
#include "servers/local_http_server.h"
#include "translate/md5_hex.h"

namespace velmora {
namespace {

TEST(LanguageCode, Table)
{
    EXPECT_EQ(LanguageCode(0), "auto");
    EXPECT_EQ(LanguageCode(1), "zh");
    EXPECT_EQ(LanguageCode(5), "jp");
    EXPECT_EQ(LanguageCode(18), "bul");
    EXPECT_EQ(LanguageCode(27), "cht");
    EXPECT_EQ(LanguageCode(28), "");
    EXPECT_EQ(LanguageCode(-1), "");
}

TEST(SaltText, TenDigitsOfTheSecondsSinceTheStart)
{
    EXPECT_EQ(SaltText(DateTime::FromFields(2019, 3, 3, 9, 14, 24), 7), "1551575664");
    // Before 2001-09-09 the count has nine digits and the milliseconds begin to show.
    EXPECT_EQ(SaltText(DateTime::FromFields(2000, 1, 1, 8, 0, 0), 123), "9466848001");
    EXPECT_EQ(SaltText(DateTime::FromFields(1970, 1, 1, 8, 0, 5), 7), "5007000000");
    EXPECT_EQ(SaltText(DateTime::FromFields(1970, 1, 1, 7, 59, 58), 0), "-100000000");
}

class TranslateTextTest : public testing::Test
{
protected:
    TranslateTextTest() { setenv("VELMORA_TRANSLATE_URL", m_server.Url("/api/trans/vip/translate").c_str(), 1); }
    ~TranslateTextTest() override { unsetenv("VELMORA_TRANSLATE_URL"); }

    std::string m_answer;
    LocalHttpServer m_server{[this](const ReceivedRequest&) { return HttpResponse(200, m_answer); }};
};

TEST_F(TranslateTextTest, SendsTheSignedQueryAndReadsTheFirstTranslation)
{
    m_answer = R"({"from":"en","to":"zh","trans_result":[{"src":"apple","dst":"\u82f9\u679c"}]})";
    TranslateArgs args;
    args.query = "apple";
    args.from = "en";
    args.to = "zh";
    Text translation;
    EXPECT_EQ(TranslateText(args, "1551575664", translation), kTranslateSuccess);
    EXPECT_EQ(translation, LocalFromUtf8("苹果"));
    EXPECT_EQ(m_server.Requests().at(0).requestLine,
              "GET /api/trans/vip/translate?q=apple&appid=7384926157483920&salt=1551575664&from=en&to=zh&sign=" +
                  Md5Hex("7384926157483920apple155157566490817263") + " HTTP/1.1");
}

TEST_F(TranslateTextTest, AMultiLineQueryIsSentWholeAndOnlyItsFirstLineComesBack)
{
    m_answer = R"({"trans_result":[{"src":"a","dst":"one"},{"src":"b","dst":"two"}]})";
    TranslateArgs args;
    args.query = LocalFromUtf8("一\r\n二");
    args.to = "en";
    args.appId = "id";
    args.secretKey = "key";
    Text translation;
    TranslateText(args, "0123456789", translation);
    EXPECT_EQ(translation, "one");
    EXPECT_EQ(m_server.Requests().at(0).Target(),
              "/api/trans/vip/translate?q=%E4%B8%80%0D%0A%E4%BA%8C&appid=id&salt=0123456789&from=auto&to=en&sign=" +
                  Md5Hex("id\xE4\xB8\x80\r\n\xE4\xBA\x8C"
                         "0123456789key"));
}

TEST_F(TranslateTextTest, AnErrorAnswerGivesItsCode)
{
    m_answer = R"({"error_code":"54001","error_msg":"Invalid Sign"})";
    TranslateArgs args;
    args.query = "x";
    args.to = "zh";
    Text translation = "before";
    EXPECT_EQ(TranslateText(args, "0123456789", translation), 54001);
    EXPECT_EQ(translation, "");
}

TEST(TranslateTextFailure, NoAnswerCountsAsSuccessWithoutTranslation)
{
    int port = 0;
    {
        LocalHttpServer closed([](const ReceivedRequest&) { return std::nullopt; });
        port = closed.Port();
    }
    setenv("VELMORA_TRANSLATE_URL", ("http://127.0.0.1:" + std::to_string(port) + "/t").c_str(), 1);
    TranslateArgs args;
    args.query = "x";
    args.to = "zh";
    Text translation = "before";
    EXPECT_EQ(TranslateText(args, "0123456789", translation), kTranslateSuccess);
    EXPECT_EQ(translation, "");
    unsetenv("VELMORA_TRANSLATE_URL");
}

} // namespace
} // namespace velmora
