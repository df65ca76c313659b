#include "batch/batch_engine.h"

#include <memory>
#include <unordered_set>

#include "batch/content_operations.h"
#include "batch/folder_listing.h"
#include "platform/code_page.h"
#include "scheduler/time_text.h"

namespace velmora {

namespace {

constexpr std::string_view kEveryFile = "*.*";

void RenameNumbered(const BatchInputs& inputs, BatchTools& tools)
{
    const std::vector<NativePath> files = ListRunFiles(inputs, tools, FilePattern(inputs.type), ListedAs::FullPaths);
    const NativePath prefix =
        WithTrailingSeparator(NativePathFromUtf8(inputs.folder)) + NativePathFromUtf8(inputs.third);
    const NativePath extension = NativeFromAscii(".") + NativePathFromUtf8(inputs.type);
    const int count = static_cast<int>(files.size());
    for (int k = 1; k <= count; ++k) {
        RenameFile(tools.folderFiles, files[k - 1], prefix + NativeDecimal(k) + extension);
        tools.progress.Progress(k, count);
    }
}

void GiveNewExtension(const BatchInputs& inputs, BatchTools& tools)
{
    const std::vector<NativePath> files = ListRunFiles(inputs, tools, FilePattern(inputs.type), ListedAs::FullPaths);
    const NativePath newExtension = NativeFromAscii(".") + NativePathFromUtf8(inputs.third);
    const int count = static_cast<int>(files.size());
    for (int k = 1; k <= count; ++k) {
        ChangeExtension(tools.folderFiles, files[k - 1], newExtension);
        tools.progress.Progress(k, count);
    }
}

void DeleteFiles(const BatchInputs& inputs, BatchTools& tools)
{
    const std::vector<NativePath> files = ListRunFiles(inputs, tools, FilePattern(inputs.type), ListedAs::FullPaths);
    const int count = static_cast<int>(files.size());
    for (int k = 1; k <= count; ++k) {
        tools.folderFiles.DeleteFile(files[k - 1]);
        tools.progress.Progress(k, count);
    }
}

void SortByExtension(const BatchInputs& inputs, BatchTools& tools)
{
    const std::vector<NativePath> names = ListRunFiles(inputs, tools, NativeFromAscii(kEveryFile), ListedAs::BareNames);
    const NativePath folder = WithTrailingSeparator(NativePathFromUtf8(inputs.folder));
    // Each sub-folder is made once per run rather than once per file; a move that fails because
    // its sub-folder went away meanwhile makes it again and tries once more.
    std::unordered_set<NativePath> madeFolders;
    const int count = static_cast<int>(names.size());
    for (int k = 1; k <= count; ++k) {
        const NativePath& name = names[k - 1];
        tools.progress.Progress(k, count);
        // A name without extension makes the target its own path, which exists: the file stays.
        const NativePath subFolder = WithTrailingSeparator(folder + ExtensionOfPath(name));
        if (madeFolders.insert(subFolder).second)
            tools.files.EnsureFolder(subFolder);
        if (!tools.folderFiles.MoveFile(folder + name, subFolder + name)) {
            tools.files.EnsureFolder(subFolder);
            tools.folderFiles.MoveFile(folder + name, subFolder + name);
        }
        tools.progress.Progress(k, count);
    }
}

std::optional<LocalTime> ParsedLocalTime(std::string_view utf8)
{
    const DateTime parsed = ParseTimeText(LocalFromUtf8(utf8));
    if (parsed == LowestDateTime())
        return std::nullopt;
    return LocalTime{parsed.Year(), parsed.Month(), parsed.Day(), parsed.Hour(), parsed.Minute(), parsed.Second()};
}

void SetTimesOfFiles(const BatchInputs& inputs, BatchTools& tools)
{
    const std::vector<NativePath> files = ListRunFiles(inputs, tools, NativeFromAscii(kEveryFile), ListedAs::FullPaths);
    // The texts are the same for every file: they are read once, not once per file.
    const std::optional<LocalTime> creation = ParsedLocalTime(inputs.type);
    const std::optional<LocalTime> access = ParsedLocalTime(inputs.fourth);
    const std::optional<LocalTime> modification = ParsedLocalTime(inputs.third);
    const int count = static_cast<int>(files.size());
    for (int k = 1; k <= count; ++k) {
        tools.folderFiles.SetFileTimes(files[k - 1], creation, access, modification);
        tools.progress.Progress(k, count);
    }
}

} // namespace

NativePath FilePattern(std::string_view type)
{
    return type.empty() ? NativeFromAscii(kEveryFile) : NativeFromAscii("*.") + NativePathFromUtf8(type);
}

std::vector<NativePath> ListRunFiles(const BatchInputs& inputs, BatchTools& tools, NativePathView pattern,
                                     ListedAs listedAs)
{
    std::vector<NativePath> files;
    ListFolderFiles(tools.folderFiles, NativePathFromUtf8(inputs.folder), pattern, files, listedAs,
                    [&tools] { tools.progress.PumpMessages(); });
    return files;
}

void RunBatch(const BatchInputs& inputs, BatchTools& tools)
{
    // The run's folder stays open while the run handles its files.
    const std::unique_ptr<FolderHold> held = tools.folderFiles.HoldFolder(NativePathFromUtf8(inputs.folder));
    switch (inputs.mode) {
    case BatchMode::RenameNumbered:
        return RenameNumbered(inputs, tools);
    case BatchMode::NewExtension:
        return GiveNewExtension(inputs, tools);
    case BatchMode::Generate:
        return GenerateFiles(inputs, tools);
    case BatchMode::Delete:
        return DeleteFiles(inputs, tools);
    case BatchMode::Merge:
        return MergeDocuments(inputs, tools);
    case BatchMode::Split:
        return SplitDocument(inputs, tools);
    case BatchMode::SortByExtension:
        return SortByExtension(inputs, tools);
    case BatchMode::FileTimes:
        return SetTimesOfFiles(inputs, tools);
    case BatchMode::ReplaceContent:
        return ReplaceInFiles(inputs, tools);
    }
}

} // namespace velmora
