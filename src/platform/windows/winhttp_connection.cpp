#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

// windows.h first: winhttp.h builds on its types.
// clang-format off
#include <windows.h>
#include <winhttp.h>
// clang-format on

#include "platform/http_connection.h"
#include "platform/windows/wide_text.h"

namespace velmora {
namespace {

// Header text is taken byte for byte: each byte is the UTF-16 unit of the same value.
constexpr unsigned kLatin1 = 28591;

struct InternetCloser
{
    void operator()(HINTERNET handle) const { WinHttpCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetCloser>;

std::wstring Wide(std::string_view bytes, unsigned codePage = CP_UTF8)
{
    return WideFromCodePage(codePage, bytes);
}

/// The parts of a URL that WinHTTP asks for one by one; nothing for a URL it cannot read.
struct UrlParts
{
    std::wstring host;
    std::wstring pathAndQuery;
    INTERNET_PORT port = 0;
    bool secure = false;
};

std::optional<UrlParts> CrackUrl(const std::string& url)
{
    const std::wstring wide = Wide(url);
    URL_COMPONENTS components{};
    components.dwStructSize = sizeof components;
    components.dwHostNameLength = static_cast<DWORD>(-1);
    components.dwUrlPathLength = static_cast<DWORD>(-1);
    components.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (wide.empty() || !WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &components))
        return std::nullopt;
    UrlParts parts;
    parts.host.assign(components.lpszHostName, components.dwHostNameLength);
    parts.pathAndQuery.assign(components.lpszUrlPath, components.dwUrlPathLength);
    parts.pathAndQuery.append(components.lpszExtraInfo, components.dwExtraInfoLength);
    if (parts.pathAndQuery.empty())
        parts.pathAndQuery = L"/";
    parts.port = components.nPort;
    parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
    return parts;
}

/// The response's header lines without the status line and the empty line that ends them.
std::string HeaderBlock(HINTERNET request)
{
    DWORD size = 0;
    WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                        WINHTTP_NO_HEADER_INDEX);
    if (size == 0)
        return {};
    std::wstring raw(size / sizeof(wchar_t), L'\0');
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, raw.data(), &size,
                             WINHTTP_NO_HEADER_INDEX))
        return {};
    raw.resize(size / sizeof(wchar_t));
    std::string block = CodePageFromWide(kLatin1, raw);
    const std::size_t statusEnd = block.find("\r\n");
    block.erase(0, statusEnd == std::string::npos ? block.size() : statusEnd + 2);
    while (block.size() >= 4 && block.ends_with("\r\n\r\n"))
        block.resize(block.size() - 2);
    return block;
}

class WinHttpConnection final : public HttpConnection
{
public:
    explicit WinHttpConnection(InternetHandle session) : m_session(std::move(session)) {}

    void SetTimeout(long milliseconds) override { m_timeoutMs = milliseconds; }
    void SetProxy(const std::string& proxy) override { m_proxy = Wide(proxy); }

    HttpExchangeAnswer Exchange(const HttpExchangeRequest& request) override
    {
        if (m_aborted)
            return {};
        const std::optional<UrlParts> url = CrackUrl(request.url);
        if (!url)
            return {};
        const InternetHandle connection(WinHttpConnect(m_session.get(), url->host.c_str(), url->port, 0));
        if (!connection)
            return {};
        InternetHandle exchange(WinHttpOpenRequest(
            connection.get(), Wide(request.method).c_str(), url->pathAndQuery.c_str(), nullptr, WINHTTP_NO_REFERER,
            WINHTTP_DEFAULT_ACCEPT_TYPES, url->secure ? WINHTTP_FLAG_SECURE : 0));
        if (!exchange || !Prepare(exchange.get(), request))
            return {};
        {
            // From here on Abort can end the exchange by closing its handle.
            const std::lock_guard lock(m_mutex);
            if (m_aborted)
                return {};
            m_current = exchange.get();
        }
        HttpExchangeAnswer answer = Perform(exchange.get(), request);
        {
            const std::lock_guard lock(m_mutex);
            m_current = nullptr;
            if (m_aborted) {
                static_cast<void>(exchange.release()); // Abort closed it
                return {};
            }
        }
        return answer;
    }

    void Abort() override
    {
        const std::lock_guard lock(m_mutex);
        m_aborted = true;
        if (m_current != nullptr)
            WinHttpCloseHandle(m_current);
    }

private:
    bool Prepare(HINTERNET exchange, const HttpExchangeRequest& request) const
    {
        const int timeout = static_cast<int>(m_timeoutMs);
        if (!WinHttpSetTimeouts(exchange, timeout, timeout, timeout, timeout))
            return false;
        if (!request.followRedirects) {
            DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
            if (!WinHttpSetOption(exchange, WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy))
                return false;
        }
        WINHTTP_PROXY_INFO proxy{};
        proxy.dwAccessType = m_proxy.empty() ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_NAMED_PROXY;
        std::wstring proxyName = m_proxy;
        proxy.lpszProxy = m_proxy.empty() ? nullptr : proxyName.data();
        if (!WinHttpSetOption(exchange, WINHTTP_OPTION_PROXY, &proxy, sizeof proxy))
            return false;
        for (const auto& [name, value] : request.headers) {
            const std::wstring line = Wide(name, kLatin1) + L": " + Wide(value, kLatin1);
            if (!WinHttpAddRequestHeaders(exchange, line.c_str(), static_cast<DWORD>(line.size()),
                                          WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE))
                return false;
        }
        return true;
    }

    static HttpExchangeAnswer Perform(HINTERNET exchange, const HttpExchangeRequest& request)
    {
        void* body = request.body.empty() ? WINHTTP_NO_REQUEST_DATA : const_cast<char*>(request.body.data());
        const auto bodySize = static_cast<DWORD>(request.body.size());
        if (!WinHttpSendRequest(exchange, WINHTTP_NO_ADDITIONAL_HEADERS, 0, body, bodySize, bodySize, 0) ||
            !WinHttpReceiveResponse(exchange, nullptr))
            return {};
        HttpExchangeAnswer answer;
        DWORD status = 0;
        DWORD statusSize = sizeof status;
        if (!WinHttpQueryHeaders(exchange, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize, WINHTTP_NO_HEADER_INDEX))
            return {};
        answer.status = static_cast<int>(status);
        answer.headerBlock = HeaderBlock(exchange);
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!WinHttpReadData(exchange, buffer, sizeof buffer, &got))
                return {};
            if (got == 0)
                break;
            answer.body.append(buffer, got);
        }
        return answer;
    }

    InternetHandle m_session;
    long m_timeoutMs = kDefaultTimeoutMs;
    std::wstring m_proxy;
    std::mutex m_mutex;
    HINTERNET m_current = nullptr;
    std::atomic<bool> m_aborted = false;
};

} // namespace

std::unique_ptr<HttpConnection> CreateHttpConnection()
{
    // No proxy unless one is set, and no user agent of its own: the request's headers say it all.
    InternetHandle session(
        WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session)
        return nullptr;
    return std::make_unique<WinHttpConnection>(std::move(session));
}

} // namespace velmora
