#include "translate/unescape_text.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "translate/encoding.h"

namespace velmora {
namespace {

Text L(const char* utf8)
{
    return LocalFromUtf8(utf8);
}

TEST(UnescapeText, DecodesLikeTheScriptStep)
{
    const std::pair<Text, Text> cases[] = {
        {"", ""},
        {R"(\u4f60\u597d)", L("你好")},
        {"it's", "it's"},                         // the apostrophe travels as a right quote and back
        {L("it’s"), "it's"},                      // a right quote of the input comes back as an apostrophe
        {"a\r\nb", "a\r\nb"},                     // line breaks are kept
        {"\ra", "a"},                             // a carriage return at the start goes
        {"%41%4a", "AJ"},                         // unescape's two-digit form
        {"%u0041", "A"},                          // and its four-digit form
        {"100% sure %zz %4", "100% sure %zz %4"}, // other percent signs stay
        {R"(a\nb\tc)", "a\nb\tc"},
        {R"(\\ \/ \" \q)", R"(\ / " q)"}, // a backslash before any other character is dropped
        {R"(\x41\101\0)", "AA"},          // hexadecimal and octal escapes; a zero ends the text
        {R"(\\u0041)", "A"},              // "\u" turns into "%u" before the script reads it, even after a backslash
        {R"(\u00e9)", L("é")},
        {R"(\ud83d\ude00)", "?"}, // a character code page 936 lacks
    };
    for (const auto& [text, decoded] : cases)
        EXPECT_EQ(UnescapeText(text), decoded) << text;
}

TEST(UnescapeText, TextTheScriptCannotReadIsReadAsUtf16Bytes)
{
    // A lone backslash at the end, a bare line feed, and a broken hexadecimal escape.
    for (const Text& text : {Text("ab\\"), Text("ab\ncd"), Text("\\xZ1ab")})
        EXPECT_EQ(UnescapeText(text), BytesAsUtf16Text(text)) << text;
}

} // namespace
} // namespace velmora
