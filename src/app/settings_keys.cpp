#include "app/settings_keys.h"

#include "platform/code_page.h"

namespace velmora {

const Text& StartSection()
{
    static const Text section = LocalFromUtf8("启动项");
    return section;
}

const Text& RunTimeKey()
{
    static const Text key = LocalFromUtf8("启动时间");
    return key;
}

const Text& ThemeKey()
{
    static const Text key = LocalFromUtf8("主题");
    return key;
}

} // namespace velmora
