#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velmora {

/// One request as the server read it off the socket.
struct ReceivedRequest
{
    /// "GET /path HTTP/1.1"
    std::string requestLine;
    /// The header lines in the order they came, without their "\r\n".
    std::vector<std::string> headerLines;
    std::string body;

    /// The target of the request line ("/path?query").
    std::string Target() const;
    /// The value of a key of the target's query, percent-decoded as a server reads it.
    std::string QueryValue(const std::string& key) const;
};

/// A complete HTTP/1.1 response that closes the connection after it.
std::string HttpResponse(int status, const std::string& body, const std::vector<std::string>& headerLines = {});

/// An HTTP server on 127.0.0.1 at a free port, serving one connection at a time on a thread of
/// its own. The handler makes the raw response for each request; std::nullopt keeps the client
/// waiting for an answer that never comes, until it gives up or the server stops.
class LocalHttpServer
{
public:
    using Handler = std::function<std::optional<std::string>(const ReceivedRequest&)>;

    explicit LocalHttpServer(Handler handler);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    /// "http://127.0.0.1:<port>" followed by path.
    std::string Url(const std::string& path = "/") const;
    int Port() const { return m_port; }

    /// Every request received so far.
    std::vector<ReceivedRequest> Requests() const;
    /// Blocks until at least count requests have come in.
    void WaitForRequests(std::size_t count) const;

private:
    void Serve();
    void ServeConnection(int client);

    Handler m_handler;
    int m_listener = -1;
    int m_wakePipe[2] = {-1, -1};
    int m_port = 0;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    std::vector<ReceivedRequest> m_requests;
    std::thread m_thread;
};

} // namespace velmora
