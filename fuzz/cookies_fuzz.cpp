// Cookie merging on arbitrary cookie texts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz_check.h"
#include "web/cookies.h"
#include "web/text.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // Texts end at their first zero byte.
    const auto text = [](std::string bytes) { return bytes.substr(0, bytes.find('\0')); };
    Text oldCookies = text(input.ConsumeRandomLengthString(200));
    Text newCookies = text(input.ConsumeRemainingBytesAsString());
    const Text merged = MergeCookies(oldCookies, newCookies);
    FUZZ_CHECK(oldCookies == merged);
    // Blanks only in the "; " between items. Cookies are ASCII; with other bytes an item's last
    // byte of 0x80 or more pairs with the separator after it, as any double-byte character does.
    const bool ascii = std::all_of(merged.begin(), merged.end(), [](char c) { return c > 0; });
    for (const Text& item : SplitText(merged, "; "))
        FUZZ_CHECK(!ascii || FindText(item, " ") == -1);
    FUZZ_CHECK(!merged.ends_with("=deleted"));
    // Merging again with nothing new adds nothing.
    Text again = merged;
    Text none;
    FUZZ_CHECK(MergeCookies(again, none).size() <= merged.size());
    return 0;
}
