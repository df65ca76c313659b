#include "scheduler/execution_file.h"

#include <utility>

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
    bytes = bytes.substr(0, bytes.find('\0'));
    // Split after decoding: the bytes of "，" can appear across two double-byte characters.
    const std::u16string text = Utf16FromStored(bytes);
    std::vector<ExecutionRow> rows;
    bool header = true;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(kLineEnd, start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string_view line = std::u16string_view(text).substr(start, end - start);
        start = end + kLineEnd.size();
        if (std::exchange(header, false))
            continue;

        const std::size_t numberEnd = line.find(kNumberSeparator);
        if (numberEnd == std::u16string_view::npos)
            continue;
        ExecutionRow row{std::u16string(line.substr(0, numberEnd)), {}, {}};
        const std::u16string_view rest = line.substr(numberEnd + 1);
        if (const std::size_t momentEnd = rest.find(kCommandSeparator); momentEnd != std::u16string_view::npos) {
            row.moment = rest.substr(0, momentEnd);
            row.commandLine = rest.substr(momentEnd + 1);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace velmora
