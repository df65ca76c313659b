// The split mode's document handling on arbitrary bytes: marks expanded, then lines and words
// cut, in both encodings a document can have.
#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/content_text.h"
#include "batch/text_marks.h"
#include "fuzz_check.h"

using namespace velmora;

namespace {

std::string Joined(const std::vector<std::string>& pieces, std::string_view separator)
{
    std::string joined;
    for (const std::string& piece : pieces) {
        if (&piece != &pieces.front())
            joined += separator;
        joined += piece;
    }
    return joined;
}

// The pieces put together again give the text, less a separator at its end.
void CheckCut(std::string_view text, std::string_view separator, ContentEncoding encoding)
{
    const std::vector<std::string> pieces = SplitContent(text, separator, encoding);
    const std::string joined = Joined(pieces, separator);
    FUZZ_CHECK(joined == text || joined + std::string(separator) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view text = TextOfContent(bytes);
    const ContentEncoding encoding = EncodingOf(text);
    const std::string expanded = ExpandTextMarks(text, encoding);
    FUZZ_CHECK(EncodingOf(expanded) == encoding || encoding == ContentEncoding::CodePage936);
    CheckCut(expanded, "\r\n", encoding);
    for (const std::string& line : SplitContent(expanded, "\r\n", encoding)) {
        CheckCut(line, " ", encoding);
        Utf8Of(line, encoding);
    }
    return 0;
}
