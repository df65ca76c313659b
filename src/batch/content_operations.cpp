#include "batch/content_operations.h"

#include <algorithm>
#include <climits>
#include <cmath>
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

/// The words of a document gathered per key file, keys in the order of their first line.
class KeyFiles
{
public:
    void Add(const NativePath& keyFile, std::string_view word)
    {
        const auto [found, added] = m_index.try_emplace(keyFile, m_contents.size());
        if (added)
            m_contents.emplace_back(keyFile, std::string());
        m_contents[found->second].second.append(word).append(kLineEnd);
    }

    const std::vector<std::pair<NativePath, std::string>>& Contents() const { return m_contents; }

private:
    std::unordered_map<NativePath, std::size_t> m_index;
    std::vector<std::pair<NativePath, std::string>> m_contents;
};

// Each key file is read and written once, with all its new lines, rather than once per word:
// the result is the same and the cost no longer grows with the square of the file.
void AppendToKeyFiles(const KeyFiles& keyFiles, const FileSystem& files, FolderFiles& folderFiles)
{
    for (const auto& [keyFile, added] : keyFiles.Contents()) {
        const std::optional<std::string> existing = files.ReadFile(keyFile);
        if (!existing && files.Exists(keyFile))
            continue; // a key file that cannot be read is not replaced by the new lines alone
        folderFiles.WriteFile(keyFile, existing.value_or(std::string()) + added);
    }
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
    // The sources' bytes are copied as they are, whatever their encoding.
    std::string summary = inputs.fourth;
    const int count = static_cast<int>(files.size());
    for (int k = 1; k <= count; ++k) {
        const std::optional<std::string> content = tools.files.ReadFile(files[k - 1]);
        if (content)
            summary += TextOfContent(*content);
        tools.progress.Progress(k, count);
    }
    const NativePath summaryFile = StoredPath(WithTrailingSeparator(NativePathFromUtf8(inputs.folder)) +
                                              NativePathFromUtf8("汇总.") + NativePathFromUtf8(inputs.type));
    tools.folderFiles.WriteFile(summaryFile, summary);
}

void SplitDocument(const BatchInputs& inputs, BatchTools& tools)
{
    const NativePath document = NativePathFromUtf8(inputs.folder);
    const std::optional<std::string> content = tools.files.ReadFile(document);
    if (!content)
        return;
    const std::string_view text = TextOfContent(*content);
    const ContentEncoding encoding = EncodingOf(text);
    const std::vector<std::string> lines = SplitContent(ExpandTextMarks(text, encoding), kLineEnd, encoding);

    const NativePath folder = FolderOfPath(document);
    KeyFiles keyFiles;
    const int count = static_cast<int>(lines.size());
    for (int i = 1; i <= count; ++i) {
        const std::vector<std::string> words = SplitContent(lines[i - 1], " ", encoding);
        if (words.empty())
            continue;
        const NativePath keyName = NativePathFromUtf8(Utf8Of(words.front(), encoding)) + NativeFromAscii(".TXT");
        // A first word holding a separator or another forbidden character would name a file
        // outside the document's folder, or none at all.
        const NativePath keyFile = folder + keyName;
        if (!HasForbiddenChar(keyName) && IsValidFilePath(keyFile)) {
            for (const std::string& word : words)
                keyFiles.Add(keyFile, word);
        }
        tools.progress.Progress(i, count);
    }
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
