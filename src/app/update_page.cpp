#include "app/update_page.h"

#include <cstdlib>

namespace velmora {

namespace {
// Until the project publishes a page of its own this lies under a domain reserved for
// documentation, so no stranger's site is ever opened or read.
constexpr const char* kDefaultUpdatePage = "https://example.com/velmora/update.html";
} // namespace

std::string UpdatePageAddress()
{
    const char* configured = std::getenv("VELMORA_UPDATE_URL");
    return configured != nullptr && *configured != '\0' ? configured : kDefaultUpdatePage;
}

} // namespace velmora
