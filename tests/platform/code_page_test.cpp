#include "platform/code_page.h"

#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct CodePageCase
{
    const char* utf8;
    std::string local;
};

// Bytes as Windows writes them for code page 936.
const CodePageCase kUtf8ToLocal[] = {
    {"", ""},
    {"abc", "abc"},
    {"百度", "\xB0\xD9\xB6\xC8"},
    {"启动项", "\xC6\xF4\xB6\xAF\xCF\xEE"},
    {"\xE2\x82\xAC", "\x80"}, // the euro sign has a single byte of its own
    {"\xC2\xB2", "2"},        // best fit: superscript two
    {"\xE0\xB8\x81x", "?x"},  // a Thai letter the code page lacks
    {"a\xFF"
     "b",
     "a?b"},                                          // malformed UTF-8
    {"\xEF\xBC\x91\xEF\xBC\x92", "\xA3\xB1\xA3\xB2"}, // full-width digits
    {"\xEF\xBB\xBF"
     "a\xE2\x80\x8B",
     "?a?"}, // default-ignorable characters too
};

TEST(CodePage, ConvertsUtf8ToCodePage936AsWindowsDoes)
{
    for (const auto& c : kUtf8ToLocal)
        EXPECT_EQ(LocalFromUtf8(c.utf8), c.local) << c.utf8;
}

TEST(CodePage, ReadsCodePage936BackToUnicode)
{
    EXPECT_EQ(Utf8FromLocal("\xB0\xD9\xB6\xC8"), "百度");
    EXPECT_EQ(Utf16FromLocal("\xC6\xF4\xB6\xAF"), u"启动");
    EXPECT_EQ(Utf8FromLocal(""), "");
}

TEST(CodePage, RoundTripsEveryCharacterTheCodePageHas)
{
    const std::u16string text = u"定时关机 批量操作 备忘笔记 ．１２３ａｂｃ　天时分秒年月日";
    EXPECT_EQ(Utf16FromLocal(LocalFromUtf16(text)), text);
}

TEST(CodePage, StoredTextKeepsCharactersTheCodePageLacks)
{
    struct Case
    {
        const char16_t* text;
        std::string stored;
    };
    const Case cases[] = {
        {u"", ""},
        {u"备忘，a=b", "\xB1\xB8\xCD\xFC\xA3\xAC"
                       "a=b"}, // as code page 936 writes it
        {u"\u20AC", "\x80"},
        {u"\U0001F600", "\x94\x39\xFC\x36"}, // an emoji: GB18030 four bytes
        {u"a\U0001F600\U00010000\U0010FFFF", "a\x94\x39\xFC\x36\x90\x30\x81\x30\xE3\x32\x9A\x35"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StoredFromUtf16(c.text), c.stored) << Utf8FromLocal(c.stored);
        EXPECT_EQ(Utf16FromStored(c.stored), c.text) << Utf8FromLocal(c.stored);
    }
}

TEST(CodePage, ReadsStoredTextSteppingOverDoubleByteCharacters)
{
    // Read from its second byte, "\xA1\xB0" "1\xB0" "1" would look like a four-byte sequence.
    EXPECT_EQ(Utf16FromStored("\xA1\xB0"
                              "1\xB0"
                              "1")
                  .substr(0, 2),
              u"\u201C1");
    EXPECT_EQ(Utf16FromStored("plain \xB1\xB8\xCD\xFC"), u"plain 备忘");
}

TEST(CodePage, WorksOnOtherThreadsToo)
{
    std::string fromThread;
    std::thread worker([&fromThread] { fromThread = LocalFromUtf8("百度"); });
    worker.join();
    EXPECT_EQ(fromThread, "\xB0\xD9\xB6\xC8");
}

} // namespace
} // namespace velmora
