#include "web/endpoints.h"

#include <cstdlib>

namespace velmora {
namespace {
constexpr const char* kEncyclopediaItemAddress = "https://baike.baidu.com/item/";
// The robot service is the user's to name; until then this lies under a domain reserved for
// documentation, so no stranger's server is ever asked.
constexpr const char* kChatApiAddress = "http://chat.example.com/api.php";
constexpr const char* kTranslateApiAddress = "http://api.fanyi.baidu.com/api/trans/vip/translate";

std::string Configured(const char* variable, const char* fallback)
{
    const char* configured = std::getenv(variable);
    return configured != nullptr && *configured != '\0' ? configured : fallback;
}
} // namespace

std::string EncyclopediaItemAddress()
{
    return Configured("VELMORA_BAIKE_URL", kEncyclopediaItemAddress);
}

std::string ChatApiAddress()
{
    return Configured("VELMORA_CHAT_URL", kChatApiAddress);
}

std::string TranslateApiAddress()
{
    return Configured("VELMORA_TRANSLATE_URL", kTranslateApiAddress);
}

} // namespace velmora
