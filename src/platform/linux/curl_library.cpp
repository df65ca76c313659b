#include "platform/linux/curl_library.h"

#include <optional>

#include "platform/linux/shared_library.h"

namespace velmora {

namespace {
std::optional<CurlLibrary> LoadCurl()
{
    static const SharedLibrary library("libcurl.so.4");
    const auto globalInit = library.Find<decltype(curl_global_init)>("curl_global_init");
    const CurlLibrary curl{
        library.Find<decltype(curl_easy_init)>("curl_easy_init"),
        library.Find<decltype(curl_easy_cleanup)>("curl_easy_cleanup"),
        library.Find<decltype(curl_easy_reset)>("curl_easy_reset"),
        library.Find<decltype(curl_easy_setopt)>("curl_easy_setopt"),
        library.Find<decltype(curl_easy_perform)>("curl_easy_perform"),
        library.Find<decltype(curl_easy_getinfo)>("curl_easy_getinfo"),
        library.Find<decltype(curl_slist_append)>("curl_slist_append"),
        library.Find<decltype(curl_slist_free_all)>("curl_slist_free_all"),
    };
    const bool complete = globalInit && curl.easyInit && curl.easyCleanup && curl.easyReset && curl.easySetopt &&
                          curl.easyPerform && curl.easyGetinfo && curl.slistAppend && curl.slistFreeAll;
    if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return std::nullopt;
    return curl;
}
} // namespace

const CurlLibrary* Curl()
{
    // A function's static is made once even when threads race for it; chat requests start on
    // worker threads, and the global initialisation must not run twice.
    static const std::optional<CurlLibrary> curl = LoadCurl();
    return curl ? &*curl : nullptr;
}

} // namespace velmora
