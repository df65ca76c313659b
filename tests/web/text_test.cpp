#include "web/text.h"

#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace velmora {
namespace {

// Code page 936 bytes of a readable (UTF-8) literal.
Text L(const char* utf8)
{
    return LocalFromUtf8(utf8);
}

// Double-byte characters used below, with their code page 936 bytes:
//   中 D6 D0   文 CE C4   啊 B0 A1   full-width space U+3000 A1 A1
//   時 95 72 ("r" as second byte)   關 EA 50 ("P")   說 D5 66 ("f")   點 FC 63 ("c")
TEST(Text, TestBytesAreTheCodePageBytes)
{
    EXPECT_EQ(L("中文"), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(L("啊　"), "\xB0\xA1\xA1\xA1");
    EXPECT_EQ(L("時關說點"), "\x95\x72\xEA\x50\xD5\x66\xFC\x63");
}

struct FindCase
{
    Text text;
    Text pattern;
    int start;
    bool ignoreCase;
    int expected;
};

TEST(Text, FindText)
{
    const FindCase cases[] = {
        {"abcabc", "bc", 1, false, 2},
        {"abcabc", "bc", 2, false, 2},
        {"abcabc", "bc", 3, false, 5},
        {"abcabc", "bc", 0, false, 2}, // below 1 counts as 1
        {"abcabc", "bc", -9, false, 2},
        {"abcabc", "bc", 6, false, -1}, // fewer bytes left than the pattern has
        {"abcabc", "c", 6, false, 6},
        {"abcabc", "c", 7, false, -1}, // past the end
        {"abcabc", "c", INT_MAX, false, -1},
        {"abc", "abc", 1, false, 1},
        {"abc", "abcd", 1, false, -1},
        {"abc", "x", 1, false, -1},
        {"abc", "", 1, false, -1}, // an empty pattern is found nowhere
        {"", "a", 1, false, -1},
        {"", "", 1, false, -1},
        {"aXa", "x", 1, false, -1},
        // Without regard to case: only ASCII letters fold.
        {"aXa", "x", 1, true, 2},
        {"Set-Cookie: A=1", "set-cookie:", 1, true, 1},
        {"<DIV class=x>", "<div", 1, true, 1},
        {"[a]", "[A]", 1, true, 1},
        {"@[", "`{", 1, true, -1}, // 0x40/0x60 and 0x5B/0x7B are no letter pairs
        {"[", "{", 1, true, -1},
        // A match only begins on a character: the second byte of 中文 (D0) followed by the first
        // of 文 (CE) is no occurrence.
        {L("中文"), "\xD0\xCE", 1, false, -1},
        {L("中文"), "\xD0", 1, false, -1},
        {L("中文"), L("文"), 1, false, 3},
        {L("中文"), L("中"), 1, false, 1},
        {L("中中中"), L("中"), 2, false, 3}, // start on a second byte: the next character
        {L("中中中"), L("中"), 3, false, 3},
        {L("中中中"), L("中"), 6, false, -1},
        {L("中a中a"), "a", 4, false, 6},
        // An ASCII second byte is part of its character: 時 is 95 72, 72 being "r".
        {L("時"), "r", 1, false, -1},
        {L("時r"), "r", 1, false, 3},
        {L("時r"), "r", 2, false, 3}, // start on the "r" inside 時
        {L("時時時"), "r", 1, false, -1},
        {L("時R"), "r", 1, true, 3},
        {L("關p"), "p", 1, true, 3}, // 關 is EA 50, 50 being "P"
        // Bytes of a double-byte character never fold: 說 is D5 66 ("f"), and D5 46 is another one.
        {L("說"), "\xD5\x46", 1, true, -1},
        {L("說"), L("說"), 1, true, 1},
        {L("點C"), L("點c"), 1, true, 1},
        {L("百度一下，你就知道"), L("知道"), 1, false, 15},
        {L("搜索ABC结果"), "abc", 1, true, 5},
        // A byte of 0x80 or more at the end, or before a zero byte, is a character of its own.
        {"a\xD6", "\xD6", 1, false, 2},
        {std::string("\xD6\0a", 3), std::string("\0a", 2), 1, false, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindText(c.text, c.pattern, c.start, c.ignoreCase), c.expected)
            << "text \"" << c.text << "\" pattern \"" << c.pattern << "\" start " << c.start << " ignoreCase "
            << c.ignoreCase;
    }
}

TEST(Text, FindTextDefaultsToTheStartAndToCaseSensitive)
{
    EXPECT_EQ(FindText("aAa", "A"), 2);
    EXPECT_EQ(FindText("aAa", "a", 2), 3);
}

struct CutCase
{
    Text text;
    int start; // MidText only
    int n;
    Text expected;
};

TEST(Text, LeftText)
{
    // clang-format off
    const CutCase cases[] = {
        {"abc", 0, 2, "ab"},
        {"abc", 0, 3, "abc"},
        {"abc", 0, 4, "abc"},
        {"abc", 0, INT_MAX, "abc"},
        {"abc", 0, 0, ""},
        {"abc", 0, -1, ""},
        {"abc", 0, INT_MIN, ""},
        {"", 0, 1, ""},
        {L("中文"), 0, 1, "\xD6"}, // bytes, not characters
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(LeftText(c.text, c.n), c.expected) << c.text << " " << c.n;
}

TEST(Text, RightText)
{
    // clang-format off
    const CutCase cases[] = {
        {"abc", 0, 2, "bc"},
        {"abc", 0, 3, "abc"},
        {"abc", 0, 4, "abc"},
        {"abc", 0, INT_MAX, "abc"},
        {"abc", 0, 0, ""},
        {"abc", 0, -1, ""},
        {"abc", 0, INT_MIN, ""},
        {"", 0, 1, ""},
        {L("中文"), 0, 3, "\xD0\xCE\xC4"}, // bytes, not characters
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RightText(c.text, c.n), c.expected) << c.text << " " << c.n;
}

TEST(Text, MidText)
{
    // clang-format off
    const CutCase cases[] = {
        {"abcde", 1, 2, "ab"},
        {"abcde", 2, 3, "bcd"},
        {"abcde", 4, 5, "de"},         // up to n bytes
        {"abcde", 5, 1, "e"},
        {"abcde", 2, INT_MAX, "bcde"},
        {"abcde", 6, 1, ""},           // start outside the text
        {"abcde", INT_MAX, 1, ""},
        {"abcde", 0, 2, ""},
        {"abcde", -1, 2, ""},
        {"abcde", INT_MIN, 2, ""},
        {"abcde", 2, 0, ""},
        {"abcde", 2, -1, ""},
        {"", 1, 1, ""},
        {L("中文"), 2, 2, "\xD0\xCE"}, // bytes, not characters
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(MidText(c.text, c.start, c.n), c.expected) << c.text << " " << c.start << " " << c.n;
}

struct TransformCase
{
    Text text;
    Text expected;
};

TEST(Text, TrimBlanks)
{
    const TransformCase cases[] = {
        {"", ""},
        {" ", ""},
        {"   ", ""},
        {"  a b  ", "a b"},
        {"a", "a"},
        {L("　中文　"), L("中文")}, // full-width spaces
        {L("　 　x 　 "), "x"},
        {L("中　文"), L("中　文")}, // blanks inside stay
        {"\ta\t", "\ta\t"},         // a tab is no blank
        {L("\t　a"), L("\t　a")},
        {" \r\na\r\n ", "\r\na\r\n"}, // neither are CR and LF
        {"\xA1\xA1", ""},
        {"\xA1", "\xA1"},   // a lone A1 is no blank
        {"\xA1 ", "\xA1 "}, // A1 20 is one double-byte character, not A1 and a space
        // 啊 is B0 A1; 啊 followed by a lone A1 holds A1 A1 at its end, but across characters.
        {"x\xB0\xA1\xA1", "x\xB0\xA1\xA1"},
        {"x\xB0\xA1\xA1\xA1", L("x啊")}, // 啊 and a full-width space
        // A1 A1 A1 x: a full-width space, then the character A1 78.
        {"\xA1\xA1\xA1x", "\xA1x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimBlanks(c.text), c.expected) << "\"" << c.text << "\"";
}

TEST(Text, RemoveBlanks)
{
    const TransformCase cases[] = {
        {"", ""},
        {"   ", ""},
        {" a b  c ", "abc"},
        {L("　中 文　b"), L("中文b")},
        {"a\tb\r\nc", "a\tb\r\nc"},
        {L("啊　b"), L("啊b")},
        {"\xB0\xA1\xA1x", "\xB0\xA1\xA1x"}, // 啊 and the character A1 78: no blank in there
        {"\xB0\xA1\xA1\xA1 ", "\xB0\xA1"},
        {"abc", "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoveBlanks(c.text), c.expected) << "\"" << c.text << "\"";
}

struct SplitCase
{
    Text text;
    Text separator;
    std::vector<Text> expected;
};

TEST(Text, SplitText)
{
    const SplitCase cases[] = {
        {"a,b,c", ",", {"a", "b", "c"}},
        {"a,,b", ",", {"a", "", "b"}}, // adjacent separators give an empty piece
        {",a", ",", {"", "a"}},
        {"a,", ",", {"a"}}, // a trailing separator adds nothing
        {"a,,", ",", {"a", ""}},
        {",", ",", {""}},
        {",,", ",", {"", ""}},
        {"abc", ",", {"abc"}},
        {"", ",", {}}, // an empty text gives no pieces
        {"", "", {}},
        {"a,b", "", {"a,b"}}, // an empty separator gives the whole text
        {"a\r\nb\r\n", "\r\n", {"a", "b"}},
        {"a\r\n\r\nb", "\r\n", {"a", "", "b"}},
        {"\r\na", "\r\n", {"", "a"}},
        {"a\nb\rc", "\r\n", {"a\nb\rc"}}, // a lone LF or CR is no separator
        {"a\r\r\nb", "\r\n", {"a\r", "b"}},
        {"a--b---c", "--", {"a", "b", "-c"}}, // the scan goes on after each separator
        {L("甲，乙，丙"), L("，"), {L("甲"), L("乙"), L("丙")}},
        // Separators never begin inside a character: 時 is 95 72, 72 being "r".
        {L("時r時"), "r", {L("時"), L("時")}},
        {L("時時"), "r", {L("時時")}},
        {L("中文"), "\xD0\xCE", {L("中文")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitText(c.text, c.separator), c.expected) << "\"" << c.text << "\" at \"" << c.separator << "\"";
}

struct ReplaceCase
{
    Text text;
    Text oldText;
    Text newText;
    bool caseSensitive;
    Text expected;
};

TEST(Text, ReplaceText)
{
    const ReplaceCase cases[] = {
        {"aaa", "a", "b", true, "bbb"},
        {"aaa", "aa", "b", true, "ba"},
        {"aa", "a", "aa", true, "aaaa"}, // the scan goes on after each replacement
        {"abcabc", "b", "", true, "acac"},
        {"a.b.c", ".", "...", true, "a...b...c"},
        {"abc", "x", "y", true, "abc"},
        {"abc", "", "y", true, "abc"}, // an empty old text changes nothing
        {"", "a", "b", true, ""},      // nor does an empty text
        {"", "", "b", true, ""},
        {"abc", "abc", "", true, ""},
        {"Hello hello HELLO", "hello", "hi", true, "Hello hi HELLO"},
        {"Hello hello HELLO", "hello", "hi", false, "hi hi hi"},
        {"Hello hello HELLO", "HeLLo", "hi", false, "hi hi hi"},
        {"x#引号y", "#引号", "\"", true, "x\"y"},
        {L("x#引号y#引号"), L("#引号"), "\"", true, "x\"y\""},
        {L("百度一下"), L("度"), L("科"), true, L("百科一下")},
        {L("中文"), "\xD0\xCE", "!", true, L("中文")}, // not inside characters
        {L("時rr"), "r", "R", true, L("時RR")},
        {L("時r"), "R", "x", false, L("時x")},
        {L("關p關P"), "p", "x", false, L("關x關x")},  // 關 is EA 50 ("P")
        {L("說F"), "\xD5\x46", "x", false, L("說F")}, // 說 is D5 66: its "f" never folds
        {L("ABC中文abc"), "b", "-", false, L("A-C中文a-c")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceText(c.text, c.oldText, c.newText, c.caseSensitive), c.expected)
            << "\"" << c.text << "\" \"" << c.oldText << "\" -> \"" << c.newText << "\" caseSensitive "
            << c.caseSensitive;
    }
}

TEST(Text, ReplaceTextRemovesByDefaultAndIsCaseSensitiveByDefault)
{
    EXPECT_EQ(ReplaceText("a-b-c", "-"), "abc");
    EXPECT_EQ(ReplaceText("aAa", "A"), "aa");
}

TEST(Text, LargeTextsAreHandledInOnePass)
{
    // A megabyte-sized text with many occurrences, half of them hidden inside characters.
    const Text record = L("時r,中文\r\n");
    Text text;
    for (int i = 0; i < 100000; ++i)
        text += record;
    const Text replaced = ReplaceText(text, "r", "R");
    EXPECT_EQ(replaced.size(), text.size());
    EXPECT_EQ(FindText(replaced, "r"), -1);
    EXPECT_EQ(SplitText(text, "\r\n").size(), 100000U);
    EXPECT_EQ(SplitText(text, "r").size(), 100001U);
    EXPECT_EQ(ReplaceText(text, "R", "", false).size(), text.size() - 100000);
}

} // namespace
} // namespace velmora
