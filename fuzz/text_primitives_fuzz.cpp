// The text primitives on arbitrary bytes and positions.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz_check.h"
#include "web/text.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegral<int>();
    const int start = input.ConsumeIntegral<int>();
    const bool ignoreCase = input.ConsumeBool();
    const std::string pattern = input.ConsumeRandomLengthString(16);
    const std::string replacement = input.ConsumeRandomLengthString(16);
    const std::string text = input.ConsumeRemainingBytesAsString();
    const auto length = static_cast<long long>(text.size());

    const int found = FindText(text, pattern, start, ignoreCase);
    FUZZ_CHECK(found == -1 || (found >= 1 && found - 1 + static_cast<long long>(pattern.size()) <= length));
    if (found > 0 && !ignoreCase)
        FUZZ_CHECK(text.compare(static_cast<std::size_t>(found - 1), pattern.size(), pattern) == 0);

    const std::string left = LeftText(text, n);
    FUZZ_CHECK(static_cast<long long>(left.size()) == std::clamp<long long>(n, 0, length));
    FUZZ_CHECK(text.starts_with(left));
    const std::string right = RightText(text, n);
    FUZZ_CHECK(static_cast<long long>(right.size()) == std::clamp<long long>(n, 0, length));
    FUZZ_CHECK(text.ends_with(right));
    const std::string middle = MidText(text, start, n);
    FUZZ_CHECK(middle.size() <= text.size());
    FUZZ_CHECK(middle.empty() || text.find(middle) != std::string::npos);

    const std::string trimmed = TrimBlanks(text);
    FUZZ_CHECK(trimmed.size() <= text.size());
    FUZZ_CHECK(TrimBlanks(trimmed) == trimmed);
    const std::string noBlanks = RemoveBlanks(text);
    FUZZ_CHECK(RemoveBlanks(noBlanks) == noBlanks);

    const std::vector<Text> pieces = SplitText(text, pattern);
    std::size_t pieceBytes = 0;
    for (const Text& piece : pieces)
        pieceBytes += piece.size();
    FUZZ_CHECK(pieceBytes <= text.size());

    const std::string replaced = ReplaceText(text, pattern, replacement, input.ConsumeBool());
    if (pattern.empty() || text.empty())
        FUZZ_CHECK(replaced == text);
    return 0;
}
