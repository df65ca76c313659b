#include "memo/memo_file.h"

#include <optional>
#include <string>

#include "app/data_folder.h"

namespace velmora {

namespace {
// "[备忘录]" and the full-width comma "，" in code page 936.
constexpr std::string_view kHeader = "[\xB1\xB8\xCD\xFC\xC2\xBC]";
constexpr std::string_view kFullWidthComma = "\xA3\xAC";
constexpr std::string_view kEquals = "=";
constexpr std::string_view kLineEnd = "\r\n";

// The bytes before a separator found at a 1-based position, and the bytes after it.
std::string_view Before(std::string_view text, int found)
{
    return text.substr(0, static_cast<std::size_t>(found) - 1);
}

std::string_view After(std::string_view text, int found, std::string_view separator)
{
    return text.substr(static_cast<std::size_t>(found) - 1 + separator.size());
}
} // namespace

std::filesystem::path MemoFile(const std::filesystem::path& documentsFolder)
{
    return DataFolder(documentsFolder) / std::filesystem::path(u8"备忘.ini");
}

ByteString MemoFileContent(const std::vector<MemoNote>& notes)
{
    ByteString content(kHeader);
    content += kLineEnd;
    for (const MemoNote& note : notes) {
        content += note.number;
        content += kEquals;
        content += note.title;
        content += kFullWidthComma;
        content += note.content;
        content += kLineEnd;
    }
    return content;
}

std::vector<MemoNote> ParseMemoFile(std::string_view content)
{
    content = content.substr(0, content.find('\0'));
    std::vector<Text> lines = SplitText(content, kLineEnd);
    std::vector<MemoNote> notes;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const std::string_view line = lines[index];
        // The writer never puts a line without "=" here; a hand-made one (an empty line) is no note.
        const int equals = FindText(line, kEquals);
        if (equals < 0) {
            continue;
        }
        MemoNote& note = notes.emplace_back();
        note.number = Before(line, equals);
        // Split at the first comma only, so that commas in the content, the ordinary Chinese
        // punctuation, stay in it.
        const std::string_view rest = After(line, equals, kEquals);
        if (const int comma = FindText(rest, kFullWidthComma); comma > 0) {
            note.title = Before(rest, comma);
            note.content = After(rest, comma, kFullWidthComma);
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
