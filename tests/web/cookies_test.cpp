#include "web/cookies.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace velmora {
namespace {

struct MergeCase
{
    Text oldCookies;
    Text newCookies;
    Text merged;
};

TEST(Cookies, MergeCookies)
{
    const MergeCase cases[] = {
        {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1"}, // the server's cookie replaces the caller's
        {"a=1; b=2", "b=deleted", "a=1"},          // a deletion removes and is dropped itself
        {"x = 1", "", "x=1"},                      // blanks go, also inside items
        {"", "a=1; a=1", "a=1"},                   // repeated items once
        {"", "a=1; a=2", "a=1; a=2"},              // repetition is judged on whole items
        {"a=1;", "", "a=1"},                       // a trailing separator adds no item
        {"", "", ""},
        {"x=undeleted", "", "x=undeleted"},
        {"a=1; a=2", "", "a=1"},            // of two caller items with one name the first stays
        {"a=1;;b=2;;", "", "a=1; ; b=2"},   // the empty name takes part once
        {"flag; a=1", "flag", "flag; a=1"}, // an item without "=" is its own name
    };
    for (const MergeCase& c : cases) {
        Text oldCookies = c.oldCookies;
        Text newCookies = c.newCookies;
        EXPECT_EQ(MergeCookies(oldCookies, newCookies), c.merged) << c.oldCookies << " + " << c.newCookies;
        EXPECT_EQ(oldCookies, c.merged);
        EXPECT_EQ(newCookies, RemoveBlanks(c.newCookies));
    }
}

TEST(Cookies, MergeRemovesFullWidthBlanks)
{
    Text oldCookies = LocalFromUtf8("a\xE3\x80\x80=1");
    Text newCookies;
    EXPECT_EQ(MergeCookies(oldCookies, newCookies), "a=1");
}

TEST(Cookies, CookieNameAndUniqueItems)
{
    EXPECT_EQ(CookieName(" sid = abc=d"), "sid");
    EXPECT_EQ(CookieName(" bare "), "bare");
    EXPECT_EQ(CookieName("=v"), "");
    EXPECT_EQ(UniqueItems("a; b; a; c; b", "; "), "a; b; c");
    EXPECT_EQ(UniqueItems("", "; "), "");
    EXPECT_EQ(UniqueItems("a,,a,", ","), "a,");
}

} // namespace
} // namespace velmora
