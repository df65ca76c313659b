#pragma once

#include <curl/curl.h>

namespace velmora {

/// The functions of libcurl the program uses. libcurl and the TLS libraries it brings cost a
/// noticeable part of every start, so they are loaded on the first request instead.
struct CurlLibrary
{
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_easy_reset) easyReset;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;
};

/// libcurl, loaded and initialised by the first call from any thread; nullptr when it cannot be
/// loaded. Later calls wait for the first one to finish.
const CurlLibrary* Curl();

} // namespace velmora
