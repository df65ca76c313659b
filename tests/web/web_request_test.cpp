#include "web/web_request.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "servers/local_http_server.h"

extern char** environ;

namespace velmora {
namespace {

const std::string kUserAgentLine = "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// The header lines the caller controls: without those the protocol itself needs.
std::vector<std::string> CallerHeaderLines(const ReceivedRequest& request)
{
    std::vector<std::string> lines;
    for (const std::string& line : request.headerLines) {
        if (!line.starts_with("Host:") && !line.starts_with("Content-Length:"))
            lines.push_back(line);
    }
    return lines;
}

bool HasLineStartingWith(const ReceivedRequest& request, const std::string& start)
{
    return std::any_of(request.headerLines.begin(), request.headerLines.end(),
                       [&start](const std::string& line) { return line.starts_with(start); });
}

TEST(HeaderLine, NameUpToTheFirstColonAndValueAfterIt)
{
    EXPECT_EQ(HeaderLineName(" Location : http://a:80/ "), "Location");
    EXPECT_EQ(HeaderLineValue(" Location : http://a:80/ "), "http://a:80/");
    EXPECT_EQ(HeaderLineName("no colon"), "");
    EXPECT_EQ(HeaderLineValue("no colon"), "");
    EXPECT_EQ(HeaderLineValue("Empty:"), "");
}

class WebRequestTest : public testing::Test
{
protected:
    ReceivedRequest Only() const
    {
        const std::vector<ReceivedRequest> requests = m_server.Requests();
        EXPECT_EQ(requests.size(), 1U);
        return requests.empty() ? ReceivedRequest{} : requests.front();
    }

    LocalHttpServer m_server{[](const ReceivedRequest& request) -> std::optional<std::string> {
        if (request.requestLine.starts_with("HEAD "))
            return "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\n";
        if (request.Target() == "/from")
            return HttpResponse(302, "moved", {"Location: /to"});
        if (request.Target() == "/cookies")
            return HttpResponse(200, "", {"Set-Cookie: a=1; path=/", "Set-Cookie: b=2", "X-Set-Cookie: c=3"});
        if (request.Target() == "/missing")
            return HttpResponse(404, "gone", {"X-Test: 1"});
        return HttpResponse(200, "answer");
    }};
};

TEST_F(WebRequestTest, GetSendsTheDefaultHeadersInOrder)
{
    const std::string url = m_server.Url("/page?x=1");
    WebRequestArgs args;
    EXPECT_EQ(WebRequest(url, args), "answer");
    EXPECT_EQ(Only().requestLine, "GET /page?x=1 HTTP/1.1");
    EXPECT_EQ(CallerHeaderLines(Only()),
              (std::vector<std::string>{"Accept: */*", "Referer: " + url, "Accept-Language: zh-cn", kUserAgentLine}));
    EXPECT_EQ(args.requestHeaders,
              "Accept: */*\r\nReferer: " + url + "\r\nAccept-Language: zh-cn\r\n" + kUserAgentLine);
    EXPECT_EQ(args.statusCode, 200);
}

TEST_F(WebRequestTest, PostAddsTheFormContentType)
{
    const std::string url = m_server.Url("/api");
    WebRequestArgs args;
    args.method = 1;
    args.body = "q=1";
    EXPECT_EQ(WebRequest(url, args), "answer");
    EXPECT_EQ(Only().requestLine, "POST /api HTTP/1.1");
    EXPECT_EQ(CallerHeaderLines(Only()),
              (std::vector<std::string>{"Accept: */*", "Referer: " + url, "Accept-Language: zh-cn", kUserAgentLine,
                                        "Content-Type: application/x-www-form-urlencoded"}));
    EXPECT_EQ(Only().body, "q=1");
}

TEST_F(WebRequestTest, CallerHeadersComeFirstAndKeepTheirOwnUserAgent)
{
    const std::string url = m_server.Url("/");
    struct Case
    {
        Text headers;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"User-Agent: x", {"User-Agent: x", "Accept: */*", "Referer: " + url, "Accept-Language: zh-cn"}},
        // Searched with letter case: a lower-case name gets the default line as well.
        {"user-agent: x",
         {"user-agent: x", "Accept: */*", "Referer: " + url, "Accept-Language: zh-cn", kUserAgentLine}},
        {"Accept: text/html\r\n\r\nX-One:  1 \r\nReferer: r",
         {"Accept: text/html", "X-One: 1", "Referer: r", "Accept-Language: zh-cn", kUserAgentLine}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        WebRequestArgs args;
        args.requestHeaders = cases[i].headers;
        WebRequest(url, args);
        m_server.WaitForRequests(i + 1);
        EXPECT_EQ(CallerHeaderLines(m_server.Requests()[i]), cases[i].sent) << cases[i].headers;
    }
}

TEST_F(WebRequestTest, PostRewritesALowerCaseContentType)
{
    WebRequestArgs args;
    args.method = 1;
    args.requestHeaders = "content-type: text/plain";
    WebRequest(m_server.Url("/"), args);
    const std::vector<std::string> lines = CallerHeaderLines(Only());
    EXPECT_EQ(lines.front(), "Content-Type: text/plain");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.starts_with("Content-Type:"); }),
              1);
    EXPECT_EQ(args.requestHeaders.substr(0, 24), "Content-Type: text/plain");
}

TEST_F(WebRequestTest, MethodTable)
{
    WebRequestArgs outside;
    outside.method = 9;
    EXPECT_EQ(WebRequest(m_server.Url("/"), outside), "answer");
    WebRequestArgs head;
    head.method = 2;
    EXPECT_EQ(WebRequest(m_server.Url("/"), head), "");
    EXPECT_EQ(head.statusCode, 200);
    WebRequestArgs remove;
    remove.method = 5;
    WebRequest(m_server.Url("/"), remove);
    m_server.WaitForRequests(3);
    const std::vector<ReceivedRequest> requests = m_server.Requests();
    EXPECT_EQ(requests[0].requestLine, "GET / HTTP/1.1");
    EXPECT_EQ(requests[1].requestLine, "HEAD / HTTP/1.1");
    EXPECT_EQ(requests[2].requestLine, "DELETE / HTTP/1.1");
}

TEST_F(WebRequestTest, BodyBytesGoInsteadOfTheTextBody)
{
    WebRequestArgs args;
    args.method = 3;
    args.body = "ignored";
    args.bodyBytes = ByteString("a\0b", 3);
    WebRequest(m_server.Url("/"), args);
    EXPECT_EQ(Only().requestLine, "PUT / HTTP/1.1");
    EXPECT_EQ(Only().body, ByteString("a\0b", 3));
}

TEST_F(WebRequestTest, StatusAndResponseHeaders)
{
    WebRequestArgs args;
    EXPECT_EQ(WebRequest(m_server.Url("/missing"), args), "gone");
    EXPECT_EQ(args.statusCode, 404);
    EXPECT_NE(args.responseHeaders.find("X-Test: 1\r\n"), Text::npos);
    EXPECT_EQ(args.responseHeaders.find("HTTP/1.1"), Text::npos);
}

TEST_F(WebRequestTest, RedirectsAreFollowedUnlessSwitchedOff)
{
    WebRequestArgs follow;
    EXPECT_EQ(WebRequest(m_server.Url("/from"), follow), "answer");
    EXPECT_EQ(follow.statusCode, 200);
    EXPECT_EQ(follow.responseHeaders.find("Location"), Text::npos); // the final response's headers

    WebRequestArgs stay;
    stay.noRedirect = true;
    EXPECT_EQ(WebRequest(m_server.Url("/from"), stay), "moved");
    EXPECT_EQ(stay.statusCode, 302);
    EXPECT_EQ(m_server.Requests().size(), 3U);
}

TEST_F(WebRequestTest, SetCookieLinesAreCollected)
{
    WebRequestArgs args;
    WebRequest(m_server.Url("/cookies"), args);
    EXPECT_EQ(args.returnedCookies, "a=1; b=2");
    EXPECT_FALSE(HasLineStartingWith(Only(), "Cookie"));

    WebRequestArgs none;
    WebRequest(m_server.Url("/"), none);
    EXPECT_EQ(none.returnedCookies, "");
}

TEST_F(WebRequestTest, CallerCookiesAreSentAndMerged)
{
    WebRequestArgs args;
    args.cookies.emplace("b=0; c=3");
    WebRequest(m_server.Url("/cookies"), args);
    EXPECT_EQ(CallerHeaderLines(Only()).front(), "Cookie: b=0; c=3");
    EXPECT_EQ(args.returnedCookies, "a=1; b=2; c=3");
    EXPECT_EQ(args.cookies, "a=1; b=2; c=3");
}

TEST_F(WebRequestTest, EmptyCookiesStillSendTheHeaderAndMerge)
{
    WebRequestArgs args;
    args.cookies.emplace("");
    WebRequest(m_server.Url("/"), args);
    EXPECT_EQ(HeaderLineName(CallerHeaderLines(Only()).front()), "Cookie");
    EXPECT_EQ(HeaderLineValue(CallerHeaderLines(Only()).front()), "");
    EXPECT_EQ(args.cookies, "");
}

TEST_F(WebRequestTest, MergingCanBeSwitchedOff)
{
    WebRequestArgs args;
    args.cookies.emplace("c=3");
    args.mergeCookies = false;
    WebRequest(m_server.Url("/cookies"), args);
    EXPECT_EQ(args.returnedCookies, "a=1; b=2");
    EXPECT_EQ(args.cookies, "c=3");
}

TEST_F(WebRequestTest, ProxyCredentialsOnlyWithAProxyAndAUser)
{
    const std::string proxy = "127.0.0.1:" + std::to_string(m_server.Port());
    const auto request = [](const std::string& url, const Text& viaProxy, const Text& user, int authFlag) {
        WebRequestArgs args;
        args.proxy = viaProxy;
        args.proxyUser = user;
        args.proxyPassword = "pw";
        args.proxyAuthFlag = authFlag;
        return WebRequest(url, args);
    };
    EXPECT_EQ(request("http://velmora.invalid/page", proxy, "user", 1), "answer");
    request("http://velmora.invalid/page", proxy, "user", 0);
    request("http://velmora.invalid/page", proxy, "", 1);
    request(m_server.Url("/direct"), "", "user", 1);

    m_server.WaitForRequests(4);
    const std::vector<ReceivedRequest> requests = m_server.Requests();
    EXPECT_EQ(requests[0].requestLine, "GET http://velmora.invalid/page HTTP/1.1");
    EXPECT_TRUE(HasLineStartingWith(requests[0], "Proxy-Authorization: Basic dXNlcjpwdw=="));
    for (std::size_t i = 1; i < requests.size(); ++i)
        EXPECT_FALSE(HasLineStartingWith(requests[i], "Proxy-Authorization")) << i;
    EXPECT_EQ(requests[3].requestLine, "GET /direct HTTP/1.1");
}

TEST_F(WebRequestTest, ACallersConnectionIsUsedAndKept)
{
    const std::unique_ptr<HttpConnection> connection = CreateHttpConnection();
    for (int round = 0; round < 2; ++round) {
        WebRequestArgs args;
        args.requestObject = connection.get();
        args.timeoutSeconds = -1;
        EXPECT_EQ(WebRequest(m_server.Url("/"), args), "answer");
    }
}

TEST(WebRequestFailure, AServerThatNeverAnswersEndsAtTheTimeOut)
{
    LocalHttpServer silent([](const ReceivedRequest&) { return std::nullopt; });
    WebRequestArgs args;
    args.timeoutSeconds = 1;
    args.cookies.emplace("a = 1");
    EXPECT_EQ(WebRequest(silent.Url("/"), args), "");
    EXPECT_EQ(args.statusCode, 0);
    EXPECT_EQ(args.responseHeaders, "");
    EXPECT_EQ(args.returnedCookies, "a=1"); // the caller's own cookies after the merge
}

TEST(WebRequestFailure, AnAbortedExchangeEndsAsAFailure)
{
    LocalHttpServer silent([](const ReceivedRequest&) { return std::nullopt; });
    const std::unique_ptr<HttpConnection> connection = CreateHttpConnection();
    std::thread aborter([&] {
        silent.WaitForRequests(1);
        connection->Abort();
    });
    WebRequestArgs args;
    args.requestObject = connection.get();
    args.timeoutSeconds = 600; // the abort, not the time-out, ends it
    EXPECT_EQ(WebRequest(silent.Url("/"), args), "");
    aborter.join();
    EXPECT_EQ(WebRequest(silent.Url("/"), args), ""); // and every later exchange
    EXPECT_EQ(silent.Requests().size(), 1U);
}

TEST(WebRequestFailure, OnlyWebAddressesAreRead)
{
    WebRequestArgs args;
    EXPECT_EQ(WebRequest("file:///etc/passwd", args), "");
    EXPECT_EQ(args.statusCode, 0);
}

TEST(WebRequestFailure, ARefusedConnectionGivesAnEmptyAnswer)
{
    int port = 0;
    {
        LocalHttpServer closed([](const ReceivedRequest&) { return std::nullopt; });
        port = closed.Port();
    }
    WebRequestArgs args;
    EXPECT_EQ(WebRequest("http://127.0.0.1:" + std::to_string(port) + "/", args), "");
    EXPECT_EQ(args.statusCode, 0);
}

// An HTTPS server with a certificate nobody vouches for, run by the openssl tool.
class SelfSignedServer
{
public:
    SelfSignedServer()
    {
        m_folder = std::filesystem::temp_directory_path() / ("velmora-tls-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
        const std::string key = (m_folder / "key.pem").string();
        const std::string certificate = (m_folder / "cert.pem").string();
        const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 "
                                 "-addext subjectAltName=IP:127.0.0.1 -keyout '" +
                                 key + "' -out '" + certificate + "' >/dev/null 2>&1";
        if (std::system(make.c_str()) != 0)
            return;
        m_port = FreePort();
        const std::string port = std::to_string(m_port);
        const char* const argv[] = {"openssl", "s_server",          "-quiet", "-www",      "-accept", port.c_str(),
                                    "-cert",   certificate.c_str(), "-key",   key.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&m_pid, "openssl", &actions, nullptr, const_cast<char* const*>(argv), environ) != 0)
            m_pid = 0;
        posix_spawn_file_actions_destroy(&actions);
        m_ready = m_pid != 0 && AwaitListening();
    }

    ~SelfSignedServer()
    {
        if (m_pid != 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        std::filesystem::remove_all(m_folder);
    }

    bool Ready() const { return m_ready; }
    std::string Url() const { return "https://127.0.0.1:" + std::to_string(m_port) + "/"; }

private:
    static int FreePort()
    {
        const int probe = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(probe, reinterpret_cast<sockaddr*>(&address), size);
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
        close(probe);
        return ntohs(address.sin_port);
    }

    bool AwaitListening() const
    {
        for (int attempt = 0; attempt < 200; ++attempt) {
            const int probe = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<std::uint16_t>(m_port));
            const bool connected = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            close(probe);
            if (connected)
                return true;
            usleep(50000);
        }
        return false;
    }

    std::filesystem::path m_folder;
    int m_port = 0;
    pid_t m_pid = 0;
    bool m_ready = false;
};

TEST(WebRequestFailure, ASelfSignedCertificateIsRefused)
{
    const SelfSignedServer server;
    if (!server.Ready())
        GTEST_SKIP() << "the openssl tool cannot serve HTTPS here";
    WebRequestArgs args;
    EXPECT_EQ(WebRequest(server.Url(), args), "");
    EXPECT_EQ(args.statusCode, 0);
}

} // namespace
} // namespace velmora
