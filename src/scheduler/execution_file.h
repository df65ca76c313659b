#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

/// One row of the timed-execution list, as its three columns show it.
struct ExecutionRow
{
    std::u16string number;
    std::u16string moment;
    std::u16string commandLine;

    friend bool operator==(const ExecutionRow&, const ExecutionRow&) = default;
};

/// The file 执行配置.ini in the data folder.
std::filesystem::path ExecutionListFile(const std::filesystem::path& dataFolder);

/// The file's bytes for these rows: a header line, then "number=moment，command line" per row,
/// every line ending in CR LF, in code page 936 (GB18030 sequences for what it lacks).
std::string ExecutionFileBytes(const std::vector<ExecutionRow>& rows);

/// The rows of a file's bytes. Each line after the header splits at its first "=" and then at the
/// first "，" after it, so a command line holding either survives; a line without "=" is skipped,
/// and one without "，" after its "=" keeps only its number.
std::vector<ExecutionRow> ParseExecutionFile(std::string_view bytes);

} // namespace velmora
