#include "web/web_request.h"

#include <array>
#include <memory>

#include "web/base64.h"
#include "web/cookies.h"
#include "web/markers.h"

namespace velmora {
namespace {
constexpr std::array<const char*, 8> kMethodNames = {"GET",     "POST",   "HEAD",  "PUT",
                                                     "OPTIONS", "DELETE", "TRACE", "CONNECT"};
constexpr int kPostMethod = 1;
constexpr int kDefaultTimeoutSeconds = 15;

bool Lacks(std::string_view headers, std::string_view name)
{
    return FindText(headers, name) == -1;
}

/// The caller's header text with the default headers it lacks added, in their fixed order.
Text CompleteRequestHeaders(Text headers, std::string_view url, int method)
{
    if (headers.empty())
        headers = "Accept: */*";
    else if (Lacks(headers, "Accept:"))
        headers += "\r\nAccept: */*";
    if (Lacks(headers, "Referer:"))
        headers += "\r\nReferer: " + Text(url);
    if (Lacks(headers, "Accept-Language:"))
        headers += "\r\nAccept-Language: zh-cn";
    if (Lacks(headers, "User-Agent:"))
        headers += "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
    if (method == kPostMethod) {
        headers = ReplaceText(headers, "content-type", "Content-Type");
        if (Lacks(headers, "Content-Type:"))
            headers += "\r\nContent-Type: application/x-www-form-urlencoded";
    }
    return headers;
}

/// The name=value parts of the response's Set-Cookie lines, joined by "; ".
Text SetCookies(std::string_view responseHeaders)
{
    Text cookies;
    for (const Text& line : SplitText(responseHeaders, "\r\n")) {
        if (TextBefore(line, ": ") != "Set-Cookie")
            continue;
        if (FindText(line, ";") != -1)
            cookies += TrimBlanks(TextBetween(line, "Set-Cookie:", ";"));
        else
            cookies += TrimBlanks(ReplaceText(line, "Set-Cookie:", "", false));
        cookies += "; ";
    }
    return LeftText(cookies, static_cast<int>(cookies.size()) - 2);
}

void AddHeaderLines(std::string_view headerText, HttpExchangeRequest& request)
{
    const auto addLine = [&request](std::string_view line) {
        request.headers.emplace_back(HeaderLineName(line), HeaderLineValue(line));
    };
    if (FindText(headerText, "\r\n") == -1) {
        addLine(headerText);
        return;
    }
    for (const Text& line : SplitText(headerText, "\r\n")) {
        if (!line.empty())
            addLine(line);
    }
}
} // namespace

Text HeaderLineName(std::string_view line)
{
    const int colon = FindText(line, ":");
    return colon == -1 ? Text() : TrimBlanks(LeftText(line, colon - 1));
}

Text HeaderLineValue(std::string_view line)
{
    const int colon = FindText(line, ":");
    return colon == -1 ? Text() : TrimBlanks(RightText(line, static_cast<int>(line.size()) - colon));
}

ByteString WebRequest(std::string_view url, WebRequestArgs& args)
{
    const int method = (args.method < 0 || args.method >= static_cast<int>(kMethodNames.size())) ? 0 : args.method;
    std::unique_ptr<HttpConnection> ownConnection;
    HttpConnection* connection = args.requestObject;
    if (connection == nullptr) {
        ownConnection = CreateHttpConnection();
        connection = ownConnection.get();
        if (connection == nullptr)
            return {};
    }

    if (args.timeoutSeconds != -1)
        connection->SetTimeout(1000L * (args.timeoutSeconds >= 1 ? args.timeoutSeconds : kDefaultTimeoutSeconds));

    HttpExchangeRequest request;
    request.method = kMethodNames[static_cast<std::size_t>(method)];
    request.url = url;
    request.followRedirects = !args.noRedirect;
    if (!args.proxy.empty()) {
        connection->SetProxy(args.proxy);
        if (!args.proxyUser.empty() && args.proxyAuthFlag == 1) {
            request.headers.emplace_back("Proxy-Authorization",
                                         "Basic " + Base64Encode(args.proxyUser + ":" + args.proxyPassword));
        }
    }

    args.requestHeaders = CompleteRequestHeaders(std::move(args.requestHeaders), url, method);
    if (args.cookies)
        request.headers.emplace_back("Cookie", *args.cookies);
    AddHeaderLines(args.requestHeaders, request);
    request.body = args.bodyBytes.empty() ? args.body : args.bodyBytes;

    HttpExchangeAnswer answer = connection->Exchange(request);
    args.responseHeaders = std::move(answer.headerBlock);
    args.statusCode = answer.status;
    args.returnedCookies = SetCookies(args.responseHeaders);
    if (args.mergeCookies && args.cookies)
        args.returnedCookies = MergeCookies(*args.cookies, args.returnedCookies);
    return std::move(answer.body);
}

ByteString WebRequest(std::string_view url, int method)
{
    WebRequestArgs args;
    args.method = method;
    return WebRequest(url, args);
}

} // namespace velmora
