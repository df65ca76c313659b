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
    // The cases are ASCII, so each character stands for itself in the platform's own form.
    const auto native = [](const std::string& text) { return NativeText(text.begin(), text.end()); };
    for (const Case& c : cases) {
        std::vector<NativeText> arguments;
        for (const std::string& argument : c.arguments)
            arguments.push_back(native(argument));
        EXPECT_EQ(SplitCommandLine(native(c.line)), arguments) << c.line;
    }
}

} // namespace
} // namespace velmora
