#include "translate/encoding.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "translate/md5_hex.h"

namespace velmora {
namespace {

TEST(UrlEncode, KeepsOnlyItsOwnUnreservedSet)
{
    const std::pair<Text, Text> cases[] = {
        {"", ""},
        {" ", "%20"},
        {"a-b.c_d~", "a-b.c%5Fd%7E"},
        {"AZaz09", "AZaz09"},
        {"a/b?c=d&e#f%", "a%2Fb%3Fc%3Dd%26e%23f%25"},
        {"\xD6\xD0", "%E4%B8%AD"}, // 中: its three UTF-8 bytes
        {"\r\n", "%0D%0A"},
    };
    for (const auto& [text, encoded] : cases)
        EXPECT_EQ(UrlEncode(text), encoded) << text;
}

TEST(LocalToUtf8, GivesTheUtf8Bytes)
{
    EXPECT_EQ(LocalToUtf8("\xB0\xD9\xB6\xC8 x"), "\xE7\x99\xBE\xE5\xBA\xA6 x"); // 百度
    EXPECT_EQ(LocalToUtf8(""), "");
}

TEST(Md5Hex, LowerCaseDigest)
{
    EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Md5Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Md5Hex(std::string_view("a\0b", 3)).size(), 32U);
}

TEST(BytesAsUtf16Text, ReadsLittleEndianUnits)
{
    EXPECT_EQ(BytesAsUtf16Text(std::string_view("A\0B\0", 4)), "AB");
    EXPECT_EQ(BytesAsUtf16Text(std::string_view("\x60\x4F\x7D\x59", 4)), LocalFromUtf8("你好"));
    EXPECT_EQ(BytesAsUtf16Text(std::string_view("A\0B", 3)), "A"); // an odd last byte is left out
    EXPECT_EQ(BytesAsUtf16Text(std::string_view("A\0\0\0B\0", 6)), "A");
    EXPECT_EQ(BytesAsUtf16Text(""), "");
}

} // namespace
} // namespace velmora
