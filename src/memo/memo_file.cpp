#include "memo/memo_file.h"

#include <optional>
#include <string>

#include "app/data_folder.h"
#include "app/list_file_lines.h"
#include "platform/code_page.h"

namespace velmora {

namespace {
// "[备忘录]" in code page 936.
constexpr std::string_view kHeader = "[\xB1\xB8\xCD\xFC\xC2\xBC]";
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
    std::vector<MemoNote> notes;
    ForEachListFileLine(content, [&notes](const ListFileLine& line) {
        notes.push_back({StoredFromUtf16(line.number), StoredFromUtf16(line.first), StoredFromUtf16(line.second)});
    });
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
