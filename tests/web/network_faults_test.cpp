// Web requests against servers that misbehave: each ends, within its time-out, with the empty
// answer of a failed exchange or the whole answer, and never with a part of one.
#include <algorithm>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "servers/local_http_server.h"
#include "web/utf8_text.h"
#include "web/web_request.h"

namespace velmora {
namespace {

// Accepts one connection, reads the request and resets the connection instead of answering.
class ResettingServer
{
public:
    ResettingServer()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        EXPECT_EQ(::bind(m_listener, reinterpret_cast<sockaddr*>(&address), size), 0);
        EXPECT_EQ(::listen(m_listener, 1), 0);
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            const int client = ::accept(m_listener, nullptr, nullptr);
            if (client < 0)
                return;
            char request[4096];
            (void)::read(client, request, sizeof request);
            const linger resetOnClose{1, 0};
            ::setsockopt(client, SOL_SOCKET, SO_LINGER, &resetOnClose, sizeof resetOnClose);
            ::close(client);
        });
    }
    ResettingServer(const ResettingServer&) = delete;
    ResettingServer& operator=(const ResettingServer&) = delete;
    ~ResettingServer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        m_thread.join();
        ::close(m_listener);
    }

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }

private:
    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
};

WebRequestArgs ArgsWithCookies()
{
    WebRequestArgs args;
    args.timeoutSeconds = 5;
    args.cookies.emplace("mine=1");
    return args;
}

TEST(NetworkFaults, AnAnswerThatStopsHalfWayIsNoAnswer)
{
    LocalHttpServer server([](const ReceivedRequest&) -> std::optional<std::string> {
        return "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nSet-Cookie: half=1\r\nConnection: close\r\n\r\nonly part";
    });
    WebRequestArgs args = ArgsWithCookies();
    EXPECT_EQ(WebRequest(server.Url(), args), "");
    EXPECT_EQ(args.statusCode, 0);
    EXPECT_EQ(args.responseHeaders, "");
    EXPECT_EQ(args.returnedCookies, "mine=1");
}

TEST(NetworkFaults, AResetConnectionIsNoAnswer)
{
    ResettingServer server;
    WebRequestArgs args = ArgsWithCookies();
    EXPECT_EQ(WebRequest(server.Url(), args), "");
    EXPECT_EQ(args.statusCode, 0);
    EXPECT_EQ(args.returnedCookies, "mine=1");
}

TEST(NetworkFaults, ARedirectLoopEndsAsNoAnswer)
{
    LocalHttpServer server([](const ReceivedRequest& request) -> std::optional<std::string> {
        return HttpResponse(302, "", {"Location: " + request.Target()});
    });
    WebRequestArgs args = ArgsWithCookies();
    EXPECT_EQ(WebRequest(server.Url("/loop"), args), "");
    EXPECT_EQ(args.statusCode, 0);
    // It gave up after a bounded number of hops.
    EXPECT_LT(server.Requests().size(), 100u);
}

TEST(NetworkFaults, AFiftyMegabyteAnswerArrivesWhole)
{
    const std::string big(50 * 1024 * 1024, 'x');
    LocalHttpServer server(
        [&big](const ReceivedRequest&) -> std::optional<std::string> { return HttpResponse(200, big); });
    WebRequestArgs args;
    args.timeoutSeconds = 120;
    const ByteString body = WebRequest(server.Url(), args);
    EXPECT_EQ(body.size(), big.size());
    EXPECT_EQ(args.statusCode, 200);
}

TEST(NetworkFaults, InvalidUtf8BecomesQuestionMarksAndNothingElseIsLost)
{
    LocalHttpServer server([](const ReceivedRequest&) -> std::optional<std::string> {
        return HttpResponse(200, "a\xFF\xC3(b\xE4\xB8\xAD\xED\xA0\x80z");
    });
    WebRequestArgs args;
    const std::string local = Utf8ToLocalText(WebRequest(server.Url(), args));
    EXPECT_EQ(local.front(), 'a');
    EXPECT_EQ(local.back(), 'z');
    EXPECT_NE(local.find("\xD6\xD0"), std::string::npos); // 中 survives among the bad bytes
    EXPECT_EQ(local.find('\0'), std::string::npos);
}

// Set-Cookie lines for names c0 to c499, repeated until there are count of them.
std::vector<std::string> SetCookieFlood(int count)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back("Set-Cookie: c" + std::to_string(i % 500) + "=v; path=/");
    return lines;
}

TEST(NetworkFaults, ASetCookieFloodIsMergedWithoutRepeatedItems)
{
    const std::vector<std::string> lines = SetCookieFlood(5000);
    LocalHttpServer server(
        [&lines](const ReceivedRequest&) -> std::optional<std::string> { return HttpResponse(200, "ok", lines); });
    WebRequestArgs args = ArgsWithCookies();
    args.timeoutSeconds = 60;
    EXPECT_EQ(WebRequest(server.Url(), args), "ok");
    std::string expected;
    for (int i = 0; i < 500; ++i)
        expected += "c" + std::to_string(i) + "=v; ";
    EXPECT_EQ(args.returnedCookies, expected + "mine=1");
}

TEST(NetworkFaults, AHeaderBlockBeyondWhatTheClientTakesIsNoAnswer)
{
    // About 600 KB of header lines: more than the transport accepts for one answer.
    const std::vector<std::string> lines = SetCookieFlood(20000);
    LocalHttpServer server(
        [&lines](const ReceivedRequest&) -> std::optional<std::string> { return HttpResponse(200, "ok", lines); });
    WebRequestArgs args = ArgsWithCookies();
    args.timeoutSeconds = 60;
    EXPECT_EQ(WebRequest(server.Url(), args), "");
    EXPECT_EQ(args.statusCode, 0);
    EXPECT_EQ(args.returnedCookies, "mine=1");
}

} // namespace
} // namespace velmora
