#include "memo/memo_file.h"

#include <optional>
#include <string>
#include <utility>

#include "app/data_folder.h"
#include "platform/code_page.h"

namespace velmora {

namespace {
// "[备忘录]" in code page 936.
constexpr std::string_view kHeader = "[\xB1\xB8\xCD\xFC\xC2\xBC]";
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr char16_t kEquals = u'=';
constexpr char16_t kFullWidthComma = u'，';
} // namespace

std::filesystem::path MemoFile(const std::filesystem::path& documentsFolder)
{
    return DataFolder(documentsFolder) / std::filesystem::path(u8"备忘.ini");
}

ByteString MemoFileContent(const std::vector<MemoNote>& notes)
{
    // Cells are stored text already; the separators are ASCII or exactly as code page 936 has them.
    ByteString content(kHeader);
    content += "\r\n";
    for (const MemoNote& note : notes) {
        content += note.number;
        content += '=';
        content += note.title;
        content += "\xA3\xAC"; // "，"
        content += note.content;
        content += "\r\n";
    }
    return content;
}

std::vector<MemoNote> ParseMemoFile(std::string_view content)
{
    content = content.substr(0, content.find('\0'));
    // Split after decoding: "€" is the single byte 0x80, which byte stepping would pair with the
    // line end or comma after it, and the bytes of "，" can straddle two characters.
    const std::u16string text = Utf16FromStored(content);
    std::vector<MemoNote> notes;
    bool header = true;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(kLineEnd, start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string_view line = std::u16string_view(text).substr(start, end - start);
        start = end + kLineEnd.size();
        if (std::exchange(header, false))
            continue;

        // The writer never puts a line without "=" here; a hand-made one (an empty line) is no note.
        const std::size_t equals = line.find(kEquals);
        if (equals == std::u16string_view::npos)
            continue;
        MemoNote& note = notes.emplace_back();
        note.number = StoredFromUtf16(line.substr(0, equals));
        // Split at the first comma only, so that commas in the content, the ordinary Chinese
        // punctuation, stay in it.
        const std::u16string_view rest = line.substr(equals + 1);
        if (const std::size_t comma = rest.find(kFullWidthComma); comma != std::u16string_view::npos) {
            note.title = StoredFromUtf16(rest.substr(0, comma));
            note.content = StoredFromUtf16(rest.substr(comma + 1));
        }
    }
    return notes;
}

std::vector<MemoNote> ReadMemos(const FileSystem& files, const std::filesystem::path& memoFile)
{
    const std::optional<std::string> content = files.ReadFile(memoFile);
    return content ? ParseMemoFile(*content) : std::vector<MemoNote>{};
}

bool WriteMemos(FileSystem& files, const std::filesystem::path& memoFile, const std::vector<MemoNote>& notes)
{
    return files.WriteFile(memoFile, MemoFileContent(notes));
}

} // namespace velmora
