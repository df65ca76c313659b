#pragma once

#include <functional>
#include <vector>

#include "batch/path_rules.h"
#include "platform/folder_files.h"

namespace velmora {

/// Whether listed entries carry their folder or are bare names.
enum class ListedAs
{
    FullPaths,
    BareNames,
};

/// Lists the files of one folder (no sub-folders, no recursion, no sorting) whose names match
/// the wildcard pattern, into list (emptied first), in the order the system returns them; a
/// full path is the folder with a separator at its end followed by the name. pumpMessages runs
/// after each listed file. Returns the number of entries; 0 for a folder that cannot be read.
int ListFolderFiles(const FolderFiles& folderFiles, NativePathView folder, NativePathView pattern,
                    std::vector<NativePath>& list, ListedAs listedAs, const std::function<void()>& pumpMessages);

/// Moves a file to a new path when that path is a valid file path (IsValidFilePath); an existing
/// target is never replaced. A name ending in dots is stored without them. True when moved.
bool RenameFile(FolderFiles& folderFiles, NativePathView oldPath, NativePathView newPath);

/// Gives a file the extension of newExtensionText (.tar.gz gives .gz); an extension of fewer
/// than two characters (a lone dot, or none) touches nothing. True when moved.
bool ChangeExtension(FolderFiles& folderFiles, NativePathView path, NativePathView newExtensionText);

} // namespace velmora
