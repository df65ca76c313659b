#include "scheduler/execution_file.h"

#include "app/list_file_lines.h"
#include "platform/code_page.h"

namespace velmora {

namespace {
constexpr std::u16string_view kHeader = u"[执行目录：]";
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr char16_t kNumberSeparator = u'=';
constexpr char16_t kCommandSeparator = u'，';
} // namespace

std::filesystem::path ExecutionListFile(const std::filesystem::path& dataFolder)
{
    return dataFolder / u"执行配置.ini";
}

std::string ExecutionFileBytes(const std::vector<ExecutionRow>& rows)
{
    std::u16string text(kHeader);
    text += kLineEnd;
    for (const ExecutionRow& row : rows) {
        text += row.number;
        text += kNumberSeparator;
        text += row.moment;
        text += kCommandSeparator;
        text += row.commandLine;
        text += kLineEnd;
    }
    return StoredFromUtf16(text);
}

std::vector<ExecutionRow> ParseExecutionFile(std::string_view bytes)
{
    std::vector<ExecutionRow> rows;
    ForEachListFileLine(bytes, [&rows](const ListFileLine& line) {
        rows.push_back({std::u16string(line.number), std::u16string(line.first), std::u16string(line.second)});
    });
    return rows;
}

} // namespace velmora
