#include "platform/command_line.h"

#include <cstddef>
#include <utility>

namespace velmora {

namespace {
using Char = NativeText::value_type;
constexpr Char kQuote = Char('"');
constexpr Char kBackslash = Char('\\');

bool IsBlank(Char c)
{
    return c == Char(' ') || c == Char('\t');
}
} // namespace

std::vector<NativeText> SplitCommandLine(const NativeText& commandLine)
{
    std::vector<NativeText> arguments;
    NativeText current;
    bool inArgument = false;
    bool quoted = false;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        const Char c = commandLine[i];
        if (IsBlank(c) && !quoted) {
            if (inArgument)
                arguments.push_back(std::exchange(current, {}));
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == kBackslash) {
            std::size_t count = 0;
            while (i < commandLine.size() && commandLine[i] == kBackslash) {
                ++count;
                ++i;
            }
            if (i < commandLine.size() && commandLine[i] == kQuote) {
                current.append(count / 2, kBackslash);
                if (count % 2 == 1) {
                    current.push_back(kQuote);
                    ++i;
                }
            } else {
                current.append(count, kBackslash);
            }
            continue;
        }
        if (c == kQuote) {
            if (quoted && i + 1 < commandLine.size() && commandLine[i + 1] == kQuote) {
                current.push_back(kQuote);
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        current.push_back(c);
        ++i;
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

} // namespace velmora
