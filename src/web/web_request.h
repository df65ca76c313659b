#pragma once

#include <optional>
#include <string_view>

#include "platform/http_connection.h"
#include "web/text.h"

namespace velmora {

/// The inputs and outputs of one WebRequest besides its address. Fields left as they are act
/// as described; cookies and requestObject also tell absent from given.
struct WebRequestArgs
{
    /// Index into GET, POST, HEAD, PUT, OPTIONS, DELETE, TRACE, CONNECT; outside 0..7 means GET.
    int method = 0;
    /// Request body, sent when bodyBytes is empty.
    Text body;
    /// In: sent as the Cookie header when given (also when ""). Out: the merged cookies.
    std::optional<Text> cookies;
    /// Out: the cookies the response set, merged with cookies when merging.
    Text returnedCookies;
    /// In: "Name: value" lines separated by "\r\n". Out: the completed header text that was sent.
    Text requestHeaders;
    /// Out: the response's header lines.
    Text responseHeaders;
    /// Out: the HTTP status; 0 when no answer came.
    int statusCode = 0;
    bool noRedirect = false;
    /// Request body as bytes; sent instead of body when not empty.
    ByteString bodyBytes;
    /// Proxy server; "" for none.
    Text proxy;
    /// Seconds the whole exchange may take: 1 or more as given, -1 keeps the connection's own
    /// time-out, anything else means 15.
    int timeoutSeconds = 0;
    Text proxyUser;
    Text proxyPassword;
    /// 1 sends the proxy credentials as Basic Proxy-Authorization; any other value sends none.
    int proxyAuthFlag = 1;
    /// A connection of the caller's to make the exchange on; a new one is made when absent.
    HttpConnection* requestObject = nullptr;
    /// Merge returnedCookies into cookies (when cookies is given).
    bool mergeCookies = true;
};

/// Performs one HTTP exchange synchronously and returns the response body; the empty ByteString
/// when the exchange failed or no connection could be made.
ByteString WebRequest(std::string_view url, WebRequestArgs& args);

/// The same with every optional input at its default.
ByteString WebRequest(std::string_view url, int method = 0);

/// The name of a "Name: value" header line (up to its first colon, trimmed); "" without a colon.
Text HeaderLineName(std::string_view line);

/// The value of a "Name: value" header line (after its first colon, trimmed); "" without a colon.
Text HeaderLineValue(std::string_view line);

} // namespace velmora
