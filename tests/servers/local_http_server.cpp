#include "servers/local_http_server.h"

#include <arpa/inet.h>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace velmora {
namespace {

bool ReadMore(int socket, std::string& buffer)
{
    char chunk[4096];
    const ssize_t received = recv(socket, chunk, sizeof chunk, 0);
    if (received <= 0)
        return false;
    buffer.append(chunk, static_cast<std::size_t>(received));
    return true;
}

void SendAll(int socket, const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written = send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (written <= 0)
            return;
        sent += static_cast<std::size_t>(written);
    }
}

std::size_t ContentLength(const std::vector<std::string>& headerLines)
{
    for (const std::string& line : headerLines) {
        const std::size_t colon = line.find(':');
        std::string name = line.substr(0, colon);
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (colon != std::string::npos && name == "content-length")
            return std::strtoull(line.c_str() + colon + 1, nullptr, 10);
    }
    return 0;
}

/// Reads one request; std::nullopt when the client went away first.
std::optional<ReceivedRequest> ReadRequest(int client)
{
    std::string buffer;
    std::size_t headEnd;
    while ((headEnd = buffer.find("\r\n\r\n")) == std::string::npos) {
        if (!ReadMore(client, buffer))
            return std::nullopt;
    }
    ReceivedRequest request;
    std::size_t lineStart = 0;
    while (lineStart < headEnd) {
        const std::size_t lineEnd = buffer.find("\r\n", lineStart);
        std::string line = buffer.substr(lineStart, lineEnd - lineStart);
        if (request.requestLine.empty())
            request.requestLine = std::move(line);
        else
            request.headerLines.push_back(std::move(line));
        lineStart = lineEnd + 2;
    }
    const std::size_t length = ContentLength(request.headerLines);
    while (buffer.size() < headEnd + 4 + length) {
        if (!ReadMore(client, buffer))
            return std::nullopt;
    }
    request.body = buffer.substr(headEnd + 4, length);
    return request;
}

} // namespace

std::string ReceivedRequest::Target() const
{
    const std::size_t first = requestLine.find(' ');
    const std::size_t last = requestLine.rfind(' ');
    return requestLine.substr(first + 1, last - first - 1);
}

std::string ReceivedRequest::QueryValue(const std::string& key) const
{
    const std::string target = Target();
    std::size_t start = target.find('?');
    while (start != std::string::npos && target.compare(start + 1, key.size() + 1, key + "=") != 0)
        start = target.find('&', start + 1);
    if (start == std::string::npos)
        return {};
    const std::size_t valueStart = start + key.size() + 2;
    const std::string encoded = target.substr(valueStart, target.find('&', valueStart) - valueStart);
    std::string value;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size()) {
            value += static_cast<char>(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            value += encoded[i];
        }
    }
    return value;
}

std::string HttpResponse(int status, const std::string& body, const std::vector<std::string>& headerLines)
{
    std::string response = "HTTP/1.1 " + std::to_string(status) + " Status\r\n";
    for (const std::string& line : headerLines)
        response += line + "\r\n";
    response += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    return response;
}

LocalHttpServer::LocalHttpServer(Handler handler) : m_handler(std::move(handler))
{
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(m_listener, 16) != 0 || getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
        pipe2(m_wakePipe, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot start the local HTTP server");
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer()
{
    const char stop = 's';
    static_cast<void>(write(m_wakePipe[1], &stop, 1));
    m_thread.join();
    close(m_listener);
    close(m_wakePipe[0]);
    close(m_wakePipe[1]);
}

std::string LocalHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<ReceivedRequest> LocalHttpServer::Requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void LocalHttpServer::WaitForRequests(std::size_t count) const
{
    std::unique_lock lock(m_mutex);
    m_arrived.wait(lock, [&] { return m_requests.size() >= count; });
}

void LocalHttpServer::Serve()
{
    for (;;) {
        pollfd watched[] = {{m_listener, POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
        poll(watched, 2, -1);
        if (watched[1].revents != 0)
            return;
        const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        ServeConnection(client);
        close(client);
    }
}

void LocalHttpServer::ServeConnection(int client)
{
    const std::optional<ReceivedRequest> request = ReadRequest(client);
    if (!request)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(*request);
    }
    m_arrived.notify_all();
    if (const std::optional<std::string> response = m_handler(*request)) {
        SendAll(client, *response);
        return;
    }
    // No answer: hold the connection until the client gives up or the server stops.
    pollfd watched[] = {{client, POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
    poll(watched, 2, -1);
}

} // namespace velmora
