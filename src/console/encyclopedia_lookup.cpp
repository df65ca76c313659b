#include "console/encyclopedia_lookup.h"

#include "platform/code_page.h"
#include "translate/encoding.h"
#include "web/endpoints.h"
#include "web/markers.h"
#include "web/utf8_text.h"
#include "web/web_request.h"

namespace velmora {
namespace {
constexpr std::string_view kDescriptionStart = "\n<meta name=\"description\" content=\"";
constexpr std::string_view kDescriptionEnd = ">\n<title>";
} // namespace

std::string EncyclopediaPageAddress(std::string_view word)
{
    return EncyclopediaItemAddress() + UrlEncode(word);
}

Text EncyclopediaLookup(std::string_view word)
{
    const Text page = Utf8ToLocalText(WebRequest(EncyclopediaPageAddress(word)));
    return LocalFromUtf8("百度百科：") + TextBetween(page, kDescriptionStart, kDescriptionEnd);
}

} // namespace velmora
