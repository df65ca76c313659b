// The memo file loader on arbitrary bytes, and save-then-load of notes as the list holds them.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz_check.h"
#include "memo/memo_file.h"
#include "platform/code_page.h"

using namespace velmora;

namespace {

// A cell as the list holds it: whole characters on one line. The file format itself cannot
// keep "=" in a number or "，" in a title.
Text Cell(FuzzedDataProvider& input, std::u16string_view forbidden)
{
    std::u16string text = Utf16FromStored(input.ConsumeRandomLengthString(40));
    std::erase_if(text, [forbidden](char16_t c) {
        return c == u'\r' || c == u'\n' || c == u'\0' || forbidden.find(c) != std::u16string_view::npos;
    });
    return StoredFromUtf16(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        std::vector<MemoNote> notes;
        while (input.remaining_bytes() > 0)
            notes.push_back({Cell(input, u"="), Cell(input, u"，"), Cell(input, u"")});
        FUZZ_CHECK(ParseMemoFile(MemoFileContent(notes)) == notes);
        return 0;
    }
    // Bytes that form no character load as U+FFFD, which is saved as its own four bytes: a file
    // reads the same from its first save on.
    const std::vector<MemoNote> loaded = ParseMemoFile(input.ConsumeRemainingBytesAsString());
    const std::vector<MemoNote> saved = ParseMemoFile(MemoFileContent(loaded));
    FUZZ_CHECK(saved.size() == loaded.size());
    FUZZ_CHECK(ParseMemoFile(MemoFileContent(saved)) == saved);
    return 0;
}
