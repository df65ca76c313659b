#include "batch/folder_listing.h"

#include "batch/wildcard.h"

namespace velmora {

int ListFolderFiles(const FolderFiles& folderFiles, NativePathView folder, NativePathView pattern,
                    std::vector<NativePath>& list, ListedAs listedAs, const std::function<void()>& pumpMessages)
{
    list.clear();
    const NativePath folderText = WithTrailingSeparator(folder);
    folderFiles.ListEntries(folderText, [&](const FolderEntry& entry) {
        if (entry.isFolder || !MatchesWildcard(entry.name, pattern))
            return;
        list.push_back(listedAs == ListedAs::FullPaths ? folderText + NativePath(entry.name) : NativePath(entry.name));
        if (pumpMessages)
            pumpMessages();
    });
    return static_cast<int>(list.size());
}

bool RenameFile(FolderFiles& folderFiles, NativePathView oldPath, NativePathView newPath)
{
    if (!IsValidFilePath(newPath))
        return false;
    const NativePath stored = StoredPath(newPath);
    return !FileNameOfPath(stored, true).empty() && folderFiles.MoveFile(NativePath(oldPath), stored);
}

bool ChangeExtension(FolderFiles& folderFiles, NativePathView path, NativePathView newExtensionText)
{
    const NativePath extension = ExtensionOfPath(newExtensionText);
    if (extension.size() < 2)
        return false;
    return RenameFile(folderFiles, path, PathWithExtension(path, extension));
}

} // namespace velmora
