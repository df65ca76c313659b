// Times sequential GETs against a server on 127.0.0.1: through WebRequest, and the same requests
// made with libcurl directly. The two alternate, one batch each, and every pair is printed as
// "<ours seconds> <libcurl seconds>" (the first pair warms up and is not printed).
//
//   velmora_bench_requests <requests per batch> <pairs>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include <curl/curl.h>

#include "servers/local_http_server.h"
#include "web/web_request.h"

namespace {

struct EasyHandleDeleter
{
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

size_t KeepBody(char* data, size_t size, size_t count, void* body)
{
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

template <typename Batch>
double SecondsOf(const Batch& batch)
{
    const auto start = std::chrono::steady_clock::now();
    batch();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <requests per batch> <pairs>\n", argv[0]);
        return 2;
    }
    const int requests = std::stoi(argv[1]);
    const int pairs = std::stoi(argv[2]);
    const std::string page(2048, 'v');
    velmora::LocalHttpServer server([&page](const velmora::ReceivedRequest&) {
        return velmora::HttpResponse(200, page, {"Content-Type: text/html"});
    });
    const std::string url = server.Url("/page");

    curl_global_init(CURL_GLOBAL_DEFAULT);
    int failures = 0;
    const auto ours = [&] {
        for (int i = 0; i < requests; ++i)
            failures += velmora::WebRequest(url).size() != page.size();
    };
    const auto plain = [&] {
        const std::unique_ptr<CURL, EasyHandleDeleter> handle(curl_easy_init());
        for (int i = 0; i < requests; ++i) {
            std::string body;
            curl_easy_setopt(handle.get(), CURLOPT_URL, url.c_str());
            curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, KeepBody);
            curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &body);
            failures += curl_easy_perform(handle.get()) != CURLE_OK || body.size() != page.size();
        }
    };
    for (int pair = 0; pair <= pairs; ++pair) {
        const double oursSeconds = SecondsOf(ours);
        const double plainSeconds = SecondsOf(plain);
        if (pair > 0)
            std::printf("%.6f %.6f\n", oursSeconds, plainSeconds);
    }
    curl_global_cleanup();
    if (failures != 0) {
        std::fprintf(stderr, "%d requests failed\n", failures);
        return 1;
    }
    return 0;
}
