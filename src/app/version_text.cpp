#include "app/version_text.h"

#include "app/number_text.h"
#include "platform/code_page.h"

namespace velmora {

namespace {
// Differences below this are rounding noise of the decimal texts, not a newer version.
constexpr double kVersionTolerance = 0.0000001;
} // namespace

Text TextAfterLast(std::string_view text, std::string_view marker)
{
    int last = -1;
    for (int found = FindText(text, marker); found > 0; found = FindText(text, marker, found + 1))
        last = found;
    if (last < 0)
        return {};
    return Text(text.substr(static_cast<std::size_t>(last - 1) + marker.size()));
}

Text VersionOnUpdatePage(std::string_view page)
{
    const int end = FindText(page, "';\n");
    if (end < 0)
        return {};
    return TextAfterLast(page.substr(0, static_cast<std::size_t>(end - 1)), "='Tarvik");
}

bool IsNewerVersion(std::string_view newestVersion, std::string_view programVersion)
{
    return TextToNumber(newestVersion) - TextToNumber(programVersion) > kVersionTolerance;
}

Text VersionNoticeText(std::string_view newestVersion, std::string_view programVersion, std::string_view runTimeText)
{
    static const Text author = LocalFromUtf8("作者：Pellam\r\n");
    static const Text newer = LocalFromUtf8("有新版本~更新\r\n");
    static const Text current = LocalFromUtf8("已是最新版本\r\n");
    static const Text newest = LocalFromUtf8("最新版本号：");
    static const Text own = LocalFromUtf8("\r\n本地版本号：");
    static const Text running = LocalFromUtf8("\r\n软件运行时间：");
    return author + (IsNewerVersion(newestVersion, programVersion) ? newer : current) + newest + Text(newestVersion) +
           own + Text(programVersion) + running + Text(runTimeText);
}

} // namespace velmora
