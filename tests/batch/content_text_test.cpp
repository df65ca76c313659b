#include "batch/content_text.h"

#include <string>

#include <gtest/gtest.h>

#include "batch/text_marks.h"
#include "platform/code_page.h"

namespace velmora {
namespace {

TEST(ContentText, ValidUtf8IsReadAsUtf8AndAnythingElseAsTheCodePage)
{
    EXPECT_EQ(EncodingOf("plain ascii"), ContentEncoding::Utf8);
    EXPECT_EQ(EncodingOf("中文😀"), ContentEncoding::Utf8);
    EXPECT_EQ(EncodingOf(LocalFromUtf8("中文")), ContentEncoding::CodePage936);
    EXPECT_EQ(EncodingOf("\xC0\x80"), ContentEncoding::CodePage936);     // overlong
    EXPECT_EQ(EncodingOf("\xED\xA0\x80"), ContentEncoding::CodePage936); // surrogate
    EXPECT_EQ(EncodingOf("\xE4\xB8"), ContentEncoding::CodePage936);     // cut short
}

TEST(ContentText, ReplacementIsCaseSensitiveAndNeverStartsInsideADoubleByteCharacter)
{
    EXPECT_EQ(ReplaceContent("Cat cat catalog", "cat", "dog", ContentEncoding::Utf8), "Cat dog dogalog");
    EXPECT_EQ(ReplaceContent("aaa", "aa", "b", ContentEncoding::Utf8), "ba");
    EXPECT_EQ(ReplaceContent("abc", "", "x", ContentEncoding::Utf8), "abc");
    EXPECT_EQ(ReplaceContent("a-b-", "-", "", ContentEncoding::Utf8), "ab");
    // 81 41 is one double-byte character of code page 936 whose second byte is an A.
    EXPECT_EQ(ReplaceContent("\x81"
                             "AA",
                             "A", "b", ContentEncoding::CodePage936),
              "\x81"
              "Ab");
}

// Plain ASCII runs are stepped over several bytes at a time; a character at any position
// within or after such a run must still be seen.
TEST(ContentText, ACharacterAnywhereInALongAsciiTextDecidesTheEncoding)
{
    const std::string ascii(20, 'a');
    for (std::size_t at = 0; at <= ascii.size(); ++at) {
        SCOPED_TRACE(at);
        EXPECT_EQ(EncodingOf(ascii.substr(0, at) + "\xC3\xA9" + ascii.substr(at)), ContentEncoding::Utf8);
        EXPECT_EQ(EncodingOf(ascii.substr(0, at) + "\xC3" + ascii.substr(at)), ContentEncoding::CodePage936);
        EXPECT_EQ(EncodingOf(ascii.substr(0, at) + "\x80"), ContentEncoding::CodePage936);
    }
}

TEST(ContentText, TextsThatTheCodePageCannotHoldAreNeverFoundInIt)
{
    EXPECT_EQ(ExactlyIn("中", ContentEncoding::CodePage936), LocalFromUtf8("中"));
    EXPECT_EQ(ExactlyIn("😀", ContentEncoding::CodePage936), std::nullopt);
    EXPECT_EQ(ExactlyIn("😀", ContentEncoding::Utf8), "😀");
    EXPECT_EQ(BestFitIn("a😀", ContentEncoding::CodePage936), "a?");
}

TEST(ContentText, SplittingKeepsEmptyPiecesButNoTrailingOne)
{
    const std::vector<std::string> expected = {"k1 a", "", "k2"};
    EXPECT_EQ(SplitContent("k1 a\r\n\r\nk2\r\n", "\r\n", ContentEncoding::Utf8), expected);
    EXPECT_TRUE(SplitContent("", "\r\n", ContentEncoding::Utf8).empty());
    const std::vector<std::string> words = {"a", "", "b"};
    EXPECT_EQ(SplitContent("a  b ", " ", ContentEncoding::Utf8), words);
}

TEST(TextMarks, ExpandInTheDocumentsOwnEncoding)
{
    struct Case
    {
        std::string text;
        std::string expanded;
    };
    const Case cases[] = {
        {"", ""},
        {"~x~", "“x”"},
        {"~a~ ~b", "“a” “b"},
        {"say `hi`", "say \"hi\""},
        {"a%nb", "a\r\nb"},
        {"a%Nb", "a\r\n\r\nb"},
        {"%s and %d", "(空) and %d"},
        {"%t%s", "\"(空)\"%s"},
        {"%T", "“(空)”"},
        {"%f%", "(空)%"},
        {"100%", "100%"},
        {"%x%%n", "%x%\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandTextMarks(c.text, ContentEncoding::Utf8), c.expanded) << c.text;

    // In code page 936 the marks are written in it, and a tilde that is the second byte of a
    // double-byte character (丆 is 81 7E) stays what it is.
    EXPECT_EQ(ExpandTextMarks("~\x81~~%T", ContentEncoding::CodePage936), "\xA1\xB0"
                                                                          "\x81~"
                                                                          "\xA1\xB1"
                                                                          "\xA1\xB0(\xBF\xD5)\xA1\xB1");
}

} // namespace
} // namespace velmora
