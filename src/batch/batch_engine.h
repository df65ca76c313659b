#pragma once

#include <string>
#include <vector>

#include "batch/folder_listing.h"
#include "batch/path_rules.h"
#include "platform/file_system.h"
#include "platform/folder_files.h"

namespace velmora {

/// The nine batch operations, in the order of the page's mode list.
enum class BatchMode
{
    RenameNumbered = 0,  // 改文件名
    NewExtension = 1,    // 改扩展名
    Generate = 2,        // 生成文件
    Delete = 3,          // 删除文件
    Merge = 4,           // 文档合并
    Split = 5,           // 文档拆分
    SortByExtension = 6, // 整理分类
    FileTimes = 7,       // 文件时间
    ReplaceContent = 8,  // 内容替换
};

/// The inputs of one run, read once from the page when it starts: the four boxes as typed
/// (UTF-8), by mode a folder or document, a file type or creation time, a prefix, new
/// extension, count, modification time or text to find, and a content, access time or
/// replacement text.
struct BatchInputs
{
    BatchMode mode = BatchMode::RenameNumbered;
    std::string folder;
    std::string type;
    std::string third;
    std::string fourth;
};

/// Whoever watches a run: the window keeps itself usable and shows the progress.
class BatchProgress
{
public:
    virtual ~BatchProgress() = default;
    /// Runs after each listed file, so that the window stays usable during a long listing.
    virtual void PumpMessages() = 0;
    /// The k-th of n items (k from 1) has been handled.
    virtual void Progress(int k, int n) = 0;
};

/// What a run works with: whole files are read and folders made through files, everything
/// else goes through folderFiles.
struct BatchTools
{
    FileSystem& files;
    FolderFiles& folderFiles;
    BatchProgress& progress;
};

/// Runs the operation of inputs.mode over the folder's files. Nothing is reported: a file that
/// cannot be handled is passed over and the run goes on.
void RunBatch(const BatchInputs& inputs, BatchTools& tools);

/// Lists the files of the run's folder for an operation, keeping the window usable meanwhile.
std::vector<NativePath> ListRunFiles(const BatchInputs& inputs, BatchTools& tools, NativePathView pattern,
                                     ListedAs listedAs);

/// The wildcard pattern of a file type text: "*." followed by it, or "*.*" when it is empty.
NativePath FilePattern(std::string_view type);

} // namespace velmora
