#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/folders.h"
#include "web/text.h"

namespace velmora {

/// One note: the three cells of a row of the memo list, in the bytes the memo file holds them
/// (code page 936, with GB18030 four-byte sequences for characters the code page lacks).
struct MemoNote
{
    Text number;
    Text title;
    Text content;

    bool operator==(const MemoNote&) const = default;
};

/// The memo file 备忘.ini in the data folder.
std::filesystem::path MemoFile(const std::filesystem::path& documentsFolder = DocumentsFolder());

/// The whole memo file for these notes: the header line "[备忘录]", then one line per note,
/// number "=" title "，" content, every line ended by CR LF.
ByteString MemoFileContent(const std::vector<MemoNote>& notes);

/// The notes of a memo file's content, in file order. The text ends at the first zero byte and
/// its first line is skipped unread. A line is split at its first "=" (a line without one is
/// skipped) and the rest at its first "，": the title is what comes before that comma and the
/// content everything after it, further commas included; without a comma both stay empty.
std::vector<MemoNote> ParseMemoFile(std::string_view content);

/// The notes of the memo file; none when it is missing or cannot be read.
std::vector<MemoNote> ReadMemos(const FileSystem& files, const std::filesystem::path& memoFile);

/// Replaces the memo file with these notes; its folder is not created. On failure the old file
/// stays as it was and the result is false.
bool WriteMemos(FileSystem& files, const std::filesystem::path& memoFile, const std::vector<MemoNote>& notes);

} // namespace velmora
