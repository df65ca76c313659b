#include "platform/command_line.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(SplitCommandLine, FollowsTheDesktopQuotingRules)
{
    struct Case
    {
        std::string line;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"/bin/prog", {"/bin/prog"}},
        {"  prog  a\tb  ", {"prog", "a", "b"}},
        {R"(prog "two words" x)", {"prog", "two words", "x"}},
        {R"("/opt/my tools/run" --flag)", {"/opt/my tools/run", "--flag"}},
        {R"(prog a"b c"d)", {"prog", "ab cd"}},
        {R"(prog "")", {"prog", ""}},
        {R"(prog "say ""hi""")", {"prog", R"(say "hi")"}},
        {R"(prog a\\b)", {"prog", R"(a\\b)"}},
        {R"(prog a\"b)", {"prog", R"(a"b)"}},
        {R"(prog a\\"b c")", {"prog", R"(a\b c)"}},
        {R"(prog "unclosed quote)", {"prog", "unclosed quote"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.arguments) << c.line;
}

} // namespace
} // namespace velmora
