#include <atomic>
#include <memory>
#include <string_view>

#include "platform/http_connection.h"
#include "platform/linux/curl_library.h"

namespace velmora {
namespace {

struct EasyHandleDeleter
{
    const CurlLibrary* curl;
    void operator()(CURL* handle) const { curl->easyCleanup(handle); }
};

struct HeaderListDeleter
{
    const CurlLibrary* curl;
    void operator()(curl_slist* list) const { curl->slistFreeAll(list); }
};
using HeaderList = std::unique_ptr<curl_slist, HeaderListDeleter>;

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c | 0x20) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool AppendHeader(HeaderList& list, const std::string& line)
{
    curl_slist* grown = list.get_deleter().curl->slistAppend(list.get(), line.c_str());
    if (grown == nullptr)
        return false;
    static_cast<void>(list.release());
    list.reset(grown);
    return true;
}

/// The line libcurl sends as given: "Name;" is its way of sending a header with an empty value.
std::string HeaderLine(const std::string& name, const std::string& value)
{
    return value.empty() ? name + ";" : name + ": " + value;
}

bool HasHeader(const HttpExchangeRequest& request, std::string_view name)
{
    for (const auto& [headerName, value] : request.headers) {
        if (SameNameIgnoringCase(headerName, name))
            return true;
    }
    return false;
}

size_t CollectBody(char* data, size_t size, size_t count, void* answer)
{
    static_cast<HttpExchangeAnswer*>(answer)->body.append(data, size * count);
    return size * count;
}

size_t CollectHeaderLine(char* data, size_t size, size_t count, void* answer)
{
    auto& headerBlock = static_cast<HttpExchangeAnswer*>(answer)->headerBlock;
    const std::string_view line(data, size * count);
    // Every status line begins a new response (a redirect, a proxy's answer to CONNECT, an
    // interim 100): only the final response's headers are kept.
    if (line.starts_with("HTTP/"))
        headerBlock.clear();
    else if (line != "\r\n" && line != "\n")
        headerBlock.append(line);
    return size * count;
}

// As many as the platform's own request object follows.
constexpr long kMaxRedirects = 10;

/// libcurl asks this while it waits (at least once a second); non-zero ends the transfer.
int ContinueUnlessAborted(void* aborted, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic<bool>*>(aborted)->load() ? 1 : 0;
}

class CurlHttpConnection final : public HttpConnection
{
public:
    CurlHttpConnection(const CurlLibrary& curl, CURL* handle) : m_curl(curl), m_handle(handle, {&curl}) {}

    void SetTimeout(long milliseconds) override { m_timeoutMs = milliseconds; }
    void SetProxy(const std::string& proxy) override { m_proxy = proxy; }
    HttpExchangeAnswer Exchange(const HttpExchangeRequest& request) override;
    void Abort() override { m_aborted = true; }

private:
    const CurlLibrary& m_curl;
    std::unique_ptr<CURL, EasyHandleDeleter> m_handle;
    std::atomic<bool> m_aborted = false;
    long m_timeoutMs = kDefaultTimeoutMs;
    std::string m_proxy;
};

HttpExchangeAnswer CurlHttpConnection::Exchange(const HttpExchangeRequest& request)
{
    if (m_aborted)
        return {};
    CURL* curl = m_handle.get();
    // Reset forgets the previous exchange's options but keeps its open connections.
    m_curl.easyReset(curl);

    HeaderList serverHeaders(nullptr, {&m_curl});
    HeaderList proxyHeaders(nullptr, {&m_curl});
    for (const auto& [name, value] : request.headers) {
        HeaderList& list = SameNameIgnoringCase(name, "Proxy-Authorization") ? proxyHeaders : serverHeaders;
        if (!name.empty() && !AppendHeader(list, HeaderLine(name, value)))
            return {};
    }
    // libcurl adds these of its own accord; only what the caller asked for is sent.
    for (const char* ownHeader : {"Accept", "Content-Type", "Expect"}) {
        if (!HasHeader(request, ownHeader) && !AppendHeader(serverHeaders, std::string(ownHeader) + ":"))
            return {};
    }

    HttpExchangeAnswer answer;
    m_curl.easySetopt(curl, CURLOPT_URL, request.url.c_str());
    // Web addresses only: a configured address never reads local files or other protocols.
    m_curl.easySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    m_curl.easySetopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    m_curl.easySetopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    m_curl.easySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    m_curl.easySetopt(curl, CURLOPT_TIMEOUT_MS, m_timeoutMs);
    // An empty proxy also keeps libcurl from taking one from the environment.
    m_curl.easySetopt(curl, CURLOPT_PROXY, m_proxy.c_str());
    m_curl.easySetopt(curl, CURLOPT_HEADEROPT, CURLHEADER_SEPARATE);
    m_curl.easySetopt(curl, CURLOPT_HTTPHEADER, serverHeaders.get());
    m_curl.easySetopt(curl, CURLOPT_PROXYHEADER, proxyHeaders.get());
    m_curl.easySetopt(curl, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
    m_curl.easySetopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    m_curl.easySetopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    m_curl.easySetopt(curl, CURLOPT_WRITEFUNCTION, &CollectBody);
    m_curl.easySetopt(curl, CURLOPT_WRITEDATA, &answer);
    m_curl.easySetopt(curl, CURLOPT_HEADERFUNCTION, &CollectHeaderLine);
    m_curl.easySetopt(curl, CURLOPT_HEADERDATA, &answer);
    m_curl.easySetopt(curl, CURLOPT_NOPROGRESS, 0L);
    m_curl.easySetopt(curl, CURLOPT_XFERINFOFUNCTION, &ContinueUnlessAborted);
    m_curl.easySetopt(curl, CURLOPT_XFERINFODATA, &m_aborted);

    if (request.method == "HEAD") {
        m_curl.easySetopt(curl, CURLOPT_NOBODY, 1L);
    } else {
        if (request.method == "POST" || !request.body.empty()) {
            m_curl.easySetopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
            m_curl.easySetopt(curl, CURLOPT_POSTFIELDS, request.body.data());
        }
        // A body turns libcurl's request into a POST, so any other method is named outright.
        if (request.method != "POST" && (request.method != "GET" || !request.body.empty()))
            m_curl.easySetopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    }

    if (m_curl.easyPerform(curl) != CURLE_OK)
        return {};
    long status = 0;
    m_curl.easyGetinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    answer.status = static_cast<int>(status);
    return answer;
}

} // namespace

std::unique_ptr<HttpConnection> CreateHttpConnection()
{
    const CurlLibrary* curl = Curl();
    if (curl == nullptr)
        return nullptr;
    CURL* handle = curl->easyInit();
    if (handle == nullptr)
        return nullptr;
    return std::make_unique<CurlHttpConnection>(*curl, handle);
}

} // namespace velmora
