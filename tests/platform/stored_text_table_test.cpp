#include <string>

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace velmora {
namespace {

// Characters of the Basic Multilingual Plane that code page 936 lacks take their four bytes from
// GB18030's table, not from a formula.
TEST(CodePage, StoredTextTakesBasicPlaneCharactersFromTheGb18030Table)
{
    struct Case
    {
        const char16_t* text;
        std::string stored;
    };
    const Case cases[] = {
        {u"\u00B2", "\x81\x30\x85\x35"},               // kept exactly instead of the best fit '2'
        {u"\u0E01\u5907", "\x81\x32\xCE\x39\xB1\xB8"}, // a Thai letter, then a Chinese one
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StoredFromUtf16(c.text), c.stored) << Utf8FromLocal(c.stored);
        EXPECT_EQ(Utf16FromStored(c.stored), c.text) << Utf8FromLocal(c.stored);
    }
}

} // namespace
} // namespace velmora
