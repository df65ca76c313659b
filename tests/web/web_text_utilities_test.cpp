#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "web/base64.h"
#include "web/markers.h"
#include "web/utf8_text.h"

namespace velmora {
namespace {

TEST(Markers, TextBetween)
{
    EXPECT_EQ(TextBetween("a[b]c[b]d", "[b]", "[b]"), "c");
    EXPECT_EQ(TextBetween("a[b]c", "[b]", "[b]"), ""); // no end marker after the start: not the rest
    EXPECT_EQ(TextBetween("a[b][b]", "[b]", "[b]"), "");
    EXPECT_EQ(TextBetween("abc", "x", "c"), "");
    EXPECT_EQ(TextBetween("<A>x</a><a>y</a>", "<a>", "</a>"), "y");
    EXPECT_EQ(TextBetween("<A>x</a><a>y</a>", "<a>", "</A>", 1, true), "x");
    EXPECT_EQ(TextBetween("[1][2]", "[", "]", 2), "2"); // the search for the start marker begins at start
}

TEST(Markers, QuoteWordStandsForADoubleQuote)
{
    const Text quoteWord = LocalFromUtf8("#引号");
    EXPECT_EQ(TextBetween(R"({"dst":"hi","x":1})", "dst" + quoteWord + ":" + quoteWord, quoteWord), "hi");
    EXPECT_EQ(TextBetween("a" + quoteWord + "b|", quoteWord, "|"), ""); // the text itself is not rewritten
}

TEST(Markers, TextBefore)
{
    EXPECT_EQ(TextBefore("Set-Cookie: a=1", ": "), "Set-Cookie");
    EXPECT_EQ(TextBefore("Set-Cookie: a=1", "; "), "");
    EXPECT_EQ(TextBefore(": a", ": "), "");
    // From the first byte, whatever the start of the search.
    EXPECT_EQ(TextBefore("a-b-c", "-", 3), "a-b");
    EXPECT_EQ(TextBefore("a-b-c", "-", -5), "a");
    EXPECT_EQ(TextBefore("aXb", "x", 1, true), "a");
}

TEST(Base64, Encode)
{
    const std::pair<ByteString, Text> cases[] = {
        {"", ""},
        {"a", "YQ=="},
        {"ab", "YWI="},
        {"abc", "YWJj"},
        {"user:secret", "dXNlcjpzZWNyZXQ="},
        {ByteString("\0\xFF\xFE", 3), "AP/+"},
    };
    for (const auto& [bytes, encoded] : cases)
        EXPECT_EQ(Base64Encode(bytes), encoded);
    // One line without breaks, however long.
    const Text long64 = Base64Encode(ByteString(100, 'x'));
    EXPECT_EQ(long64.size(), 136U);
    EXPECT_EQ(long64.find('\n'), Text::npos);
}

TEST(Utf8ToLocalText, Converts)
{
    EXPECT_EQ(Utf8ToLocalText("\xE7\x99\xBE\xE5\xBA\xA6"), "\xB0\xD9\xB6\xC8"); // 百度
    EXPECT_EQ(Utf8ToLocalText(""), "");
    EXPECT_EQ(Utf8ToLocalText("a\xF0\x9F\x98\x80z"), "a?z");   // a character code page 936 lacks
    EXPECT_EQ(Utf8ToLocalText(ByteString("ab\0cd", 5)), "ab"); // up to the first zero byte
    EXPECT_EQ(Utf8ToLocalText("\xEF\xBB\xBFok"), "?ok");       // a byte-order mark is a character too
}

} // namespace
} // namespace velmora
