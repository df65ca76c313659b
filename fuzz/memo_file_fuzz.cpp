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

// A character stored as one byte of 0x80 or more (€ is 0x80): the reader takes it for the first
// byte of a double-byte character and swallows the byte after it (see docs/RELIABILITY.md).
bool StoredAsOneHighByte(char16_t c)
{
    const std::string stored = StoredFromUtf16(std::u16string(1, c));
    return stored.size() == 1 && static_cast<unsigned char>(stored[0]) >= 0x80;
}

// A cell as the list holds it: whole characters on one line. The file format itself cannot
// keep "=" in a number or "，" in a title.
Text Cell(FuzzedDataProvider& input, std::u16string_view forbidden)
{
    std::u16string text = Utf16FromStored(input.ConsumeRandomLengthString(40));
    std::erase_if(text, [forbidden](char16_t c) {
        return c == u'\r' || c == u'\n' || c == u'\0' || forbidden.find(c) != std::u16string_view::npos ||
               StoredAsOneHighByte(c);
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
    // A file cut by a zero byte right after the first byte of a double-byte character loads a
    // note ending in half a character; it reads the same from the first save on.
    const std::vector<MemoNote> loaded = ParseMemoFile(input.ConsumeRemainingBytesAsString());
    const std::vector<MemoNote> saved = ParseMemoFile(MemoFileContent(loaded));
    FUZZ_CHECK(saved.size() == loaded.size());
    FUZZ_CHECK(ParseMemoFile(MemoFileContent(saved)) == saved);
    return 0;
}
