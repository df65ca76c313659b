#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

/// One request as it goes on the wire.
struct HttpExchangeRequest
{
    /// The method name sent in the request line ("GET", "POST", "HEAD", ...).
    std::string method = "GET";
    std::string url;
    /// Header name and value pairs, sent in this order. A "Proxy-Authorization" header goes to the
    /// proxy only. Besides these only the headers the protocol needs (Host, Content-Length, and a
    /// proxy's own) are sent.
    std::vector<std::pair<std::string, std::string>> headers;
    /// Sent as the request body when not empty.
    std::string body;
    bool followRedirects = true;
};

/// What came back. A failed exchange (no answer, time-out, refused certificate) leaves it empty.
struct HttpExchangeAnswer
{
    std::string body;
    /// The header lines of the final response, each ending in "\r\n", without the status line.
    std::string headerBlock;
    /// The HTTP status code; 0 when no answer came.
    int status = 0;
};

/// A reusable connection to web servers: settings made on it and open connections carry over
/// from one exchange to the next. Certificates and host names of HTTPS servers are always
/// verified. One exchange at a time.
class HttpConnection
{
public:
    /// Time-out of a fresh connection, in milliseconds.
    static constexpr long kDefaultTimeoutMs = 60000;

    virtual ~HttpConnection() = default;
    /// The longest any later exchange may take, from its start to its last byte.
    virtual void SetTimeout(long milliseconds) = 0;
    /// The proxy server ("host:port") for later exchanges; "" for none.
    virtual void SetProxy(const std::string& proxy) = 0;
    /// Performs one exchange synchronously on the calling thread.
    virtual HttpExchangeAnswer Exchange(const HttpExchangeRequest& request) = 0;
    /// May be called from any thread: the exchange in progress ends soon as a failure, and so
    /// does every later one.
    virtual void Abort() = 0;
};

/// A new connection of the platform's HTTP client; nullptr when none can be made.
std::unique_ptr<HttpConnection> CreateHttpConnection();

} // namespace velmora
