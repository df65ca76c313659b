#include "batch/content_operations.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/number_text.h"
#include "batch/content_text.h"
#include "batch/text_marks.h"
#include "platform/code_page.h"

namespace velmora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

int CountOf(std::string_view utf8)
{
    const double number = std::trunc(TextToNumber(LocalFromUtf8(utf8)));
    return number <= 0 ? 0 : static_cast<int>(std::min<double>(number, INT_MAX));
}

/// The lines of a document gathered per key file, keys in the order of their first line. Each
/// first word is turned into its key file once, however many lines it begins. The lines stay
/// views into the document, chained per key file, so gathering copies no text.
class KeyFiles
{
public:
    /// lines: how many lines the document has at most, so that gathering them never regrows.
    KeyFiles(NativePath folder, ContentEncoding encoding, std::size_t lines)
        : m_folder(std::move(folder)), m_encoding(encoding)
    {
        m_lines.reserve(lines);
    }

    /// Adds a line to the key file its first word names; a line whose first word names no file in
    /// the document's folder is left out.
    void AddLine(std::string_view line, std::string_view firstWord)
    {
        const std::optional<std::size_t> slot = SlotOfWord(firstWord);
        if (!slot)
            return;
        const auto added = static_cast<std::uint32_t>(m_lines.size());
        m_lines.push_back({line});
        Key& key = m_keys[*slot];
        (key.lastLine == kNoLine ? key.firstLine : m_lines[key.lastLine].next) = added;
        key.lastLine = added;
    }

    /// Calls visit with each key file and its new text: the words of its lines, one per line.
    /// The text lives in one buffer, valid until the next call.
    void ForEachKeyFile(const std::function<void(const NativePath& keyFile, std::string_view text)>& visit) const
    {
        std::string text;
        for (const Key& key : m_keys) {
            text.clear();
            for (std::uint32_t line = key.firstLine; line != kNoLine; line = m_lines[line].next) {
                ForEachContentPiece(m_lines[line].text, " ", m_encoding,
                                    [&text](std::string_view word) { text.append(word).append(kLineEnd); });
            }
            visit(key.file, text);
        }
    }

private:
    static constexpr std::uint32_t kNoLine = UINT32_MAX;

    struct GatheredLine
    {
        std::string_view text;
        std::uint32_t next = kNoLine; // the next line of the same key file
    };

    struct Key
    {
        NativePath file;
        std::uint32_t firstLine = kNoLine;
        std::uint32_t lastLine = kNoLine;
    };

    struct WordHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view word) const { return std::hash<std::string_view>()(word); }
    };

    std::optional<std::size_t> SlotOfWord(std::string_view firstWord)
    {
        const auto known = m_slotOfWord.find(firstWord);
        if (known != m_slotOfWord.end())
            return known->second;
        const std::optional<std::size_t> slot = SlotOfFile(KeyFileOf(firstWord));
        m_slotOfWord.emplace(firstWord, slot);
        return slot;
    }

    std::optional<NativePath> KeyFileOf(std::string_view firstWord) const
    {
        const NativePath keyName = NativePathFromUtf8(Utf8Of(firstWord, m_encoding)) + NativeFromAscii(".TXT");
        // A first word holding a separator or another forbidden character would name a file
        // outside the document's folder, or none at all.
        NativePath keyFile = m_folder + keyName;
        if (HasForbiddenChar(keyName) || !IsValidFilePath(keyFile))
            return std::nullopt;
        return keyFile;
    }

    // Different words can name the same file: code page bytes without a character convert alike.
    std::optional<std::size_t> SlotOfFile(std::optional<NativePath> keyFile)
    {
        if (!keyFile)
            return std::nullopt;
        const auto [found, added] = m_slotOfFile.try_emplace(*keyFile, m_keys.size());
        if (added)
            m_keys.push_back({std::move(*keyFile)});
        return found->second;
    }

    NativePath m_folder;
    ContentEncoding m_encoding;
    std::unordered_map<std::string, std::optional<std::size_t>, WordHash, std::equal_to<>> m_slotOfWord;
    std::unordered_map<NativePath, std::size_t> m_slotOfFile;
    std::vector<Key> m_keys;
    std::vector<GatheredLine> m_lines;
};

// Each key file is read and written once, with all its new lines, rather than once per word:
// the result is the same and the cost no longer grows with the square of the file.
void AppendToKeyFiles(const KeyFiles& keyFiles, const FileSystem& files, FolderFiles& folderFiles)
{
    std::string buffer; // every old key file is read into it in turn
    keyFiles.ForEachKeyFile([&](const NativePath& keyFile, std::string_view added) {
        // A key file that is there but cannot be read is not replaced by the new lines alone.
        std::optional<std::string_view> existing;
        if (files.Exists(keyFile)) {
            existing = files.ReadFileInto(keyFile, buffer);
            if (!existing)
                return;
        }
        const std::unique_ptr<FileReplacement> replacement = folderFiles.ReplaceInPieces(keyFile);
        if (replacement && replacement->Append(existing.value_or(std::string_view())) && replacement->Append(added))
            replacement->Commit();
    });
}

/// The document's text with its marks expanded into storage, or the text itself when it holds
/// none (most documents): a large document is then split without a copy.
std::string_view ExpandedText(std::string_view text, ContentEncoding encoding, std::string& storage)
{
    if (!HoldsTextMarks(text))
        return text;
    storage = ExpandTextMarks(text, encoding);
    return storage;
}

} // namespace

void GenerateFiles(const BatchInputs& inputs, BatchTools& tools)
{
    const int count = CountOf(inputs.third);
    const NativePath folder = WithTrailingSeparator(NativePathFromUtf8(inputs.folder));
    const NativePath extension = NativeFromAscii(".") + NativePathFromUtf8(inputs.type);
    for (int i = 1; i <= count; ++i) {
        const NativePath file = StoredPath(folder + NativeDecimal(i) + extension);
        if (!FileNameOfPath(file, true).empty())
            tools.folderFiles.WriteFile(file, inputs.fourth);
        tools.progress.Progress(i, count);
    }
}

void MergeDocuments(const BatchInputs& inputs, BatchTools& tools)
{
    const std::vector<NativePath> files = ListRunFiles(inputs, tools, FilePattern(inputs.type), ListedAs::FullPaths);
    const NativePath summaryFile = StoredPath(WithTrailingSeparator(NativePathFromUtf8(inputs.folder)) +
                                              NativePathFromUtf8("汇总.") + NativePathFromUtf8(inputs.type));
    // The summary goes to the disk as it grows rather than being gathered in memory first: the
    // sources together may be far larger than the memory one run should take. It still replaces
    // the old summary only once complete. The sources' bytes are copied as they are, whatever
    // their encoding, each read into the same buffer.
    const std::unique_ptr<FileReplacement> summary = tools.folderFiles.ReplaceInPieces(summaryFile);
    bool writing = summary && summary->Append(inputs.fourth);
    std::string buffer;
    const int count = static_cast<int>(files.size());
    for (int k = 1; k <= count; ++k) {
        if (writing) {
            const std::optional<std::string_view> content = tools.files.ReadFileInto(files[k - 1], buffer);
            writing = !content || summary->Append(TextOfContent(*content));
        }
        tools.progress.Progress(k, count);
    }
    if (writing)
        summary->Commit();
}

void SplitDocument(const BatchInputs& inputs, BatchTools& tools)
{
    const NativePath document = NativePathFromUtf8(inputs.folder);
    const std::optional<std::string> content = tools.files.ReadFile(document);
    if (!content)
        return;
    const std::string_view text = TextOfContent(*content);
    const ContentEncoding encoding = EncodingOf(text);
    std::string expandedStorage;
    const std::string_view expanded = ExpandedText(text, encoding, expandedStorage);

    // The lines are taken in place, one at a time, rather than copied into a list first.
    const int count = CountContentPieces(expanded, kLineEnd, encoding);
    KeyFiles keyFiles(FolderOfPath(document), encoding, static_cast<std::size_t>(count));
    int line = 0;
    ForEachContentPiece(expanded, kLineEnd, encoding, [&](std::string_view lineText) {
        ++line;
        std::optional<std::string_view> firstWord;
        ForEachContentPiece(lineText, " ", encoding, [&firstWord](std::string_view word) {
            if (!firstWord)
                firstWord = word;
        });
        if (!firstWord)
            return;
        keyFiles.AddLine(lineText, *firstWord);
        tools.progress.Progress(line, count);
    });
    AppendToKeyFiles(keyFiles, tools.files, tools.folderFiles);
}

void ReplaceInFiles(const BatchInputs& inputs, BatchTools& tools)
{
    const std::vector<NativePath> files = ListRunFiles(inputs, tools, FilePattern(inputs.type), ListedAs::FullPaths);
    const int count = static_cast<int>(files.size());
    for (int k = 1; k <= count; ++k) {
        const NativePath& file = files[k - 1];
        const std::optional<std::string> content = tools.files.ReadFile(file);
        // Text ends at a zero byte, so a file holding one is not text: rewriting its text alone
        // would cut it short. A file that cannot be read is not emptied either.
        if (content && content->find('\0') == std::string::npos) {
            const ContentEncoding encoding = EncodingOf(*content);
            const std::optional<std::string> oldText = ExactlyIn(inputs.third, encoding);
            const std::string newContent =
                oldText ? ReplaceContent(*content, *oldText, BestFitIn(inputs.fourth, encoding), encoding) : *content;
            tools.folderFiles.WriteFile(file, newContent);
        }
        tools.progress.Progress(k, count);
    }
}

} // namespace velmora
