// The execution list loader on arbitrary bytes, and save-then-load of any rows the list can hold.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz_check.h"
#include "platform/code_page.h"
#include "scheduler/execution_file.h"
#include "scheduler/time_text.h"

using namespace velmora;

namespace {

// A row as the list makes it: a number, a moment's text and any path without a line break
// (the list takes no other) or zero character (no path holds one).
ExecutionRow Row(FuzzedDataProvider& input)
{
    const std::string number = std::to_string(input.ConsumeIntegral<std::uint16_t>());
    const DateTime moment = ParseTimeText(input.ConsumeRandomLengthString(24));
    std::u16string path = Utf16FromStored(input.ConsumeRandomLengthString(60));
    std::erase_if(path, [](char16_t c) { return c == u'\r' || c == u'\n' || c == u'\0'; });
    return {std::u16string(number.begin(), number.end()), Utf16FromLocal(TimeText(moment)), path};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool fromFile = input.ConsumeBool();
    if (fromFile) {
        const std::vector<ExecutionRow> rows = ParseExecutionFile(input.ConsumeRemainingBytesAsString());
        FUZZ_CHECK(ParseExecutionFile(ExecutionFileBytes(rows)) == rows);
        return 0;
    }
    std::vector<ExecutionRow> rows;
    while (input.remaining_bytes() > 0)
        rows.push_back(Row(input));
    FUZZ_CHECK(ParseExecutionFile(ExecutionFileBytes(rows)) == rows);
    return 0;
}
