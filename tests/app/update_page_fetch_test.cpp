#include "app/update_page_fetch.h"

#include <gtest/gtest.h>

#include "servers/local_http_server.h"

namespace velmora {
namespace {

TEST(UpdatePageFetch, GivesThePageOnceFetchedAndTheSameBytesWhenAskedAgain)
{
    const std::string page = "var version='Tarvik2.9';\n\xE4\xB8\xAD";
    LocalHttpServer server([&page](const ReceivedRequest&) { return HttpResponse(200, page); });
    UpdatePageFetch fetch(server.Url("/update.html"));

    EXPECT_EQ(fetch.Page(), page);
    EXPECT_EQ(fetch.Page(), page);
    ASSERT_EQ(server.Requests().size(), 1U);
    EXPECT_EQ(server.Requests()[0].requestLine, "GET /update.html HTTP/1.1");
}

TEST(UpdatePageFetch, GivesNothingWhenNoServerAnswers)
{
    UpdatePageFetch fetch("http://127.0.0.1:1/update.html"); // nothing listens there
    EXPECT_EQ(fetch.Page(), "");
}

// A program closed during start-up ends its fetch instead of waiting for a silent server.
TEST(UpdatePageFetch, AFetchStillWaitingEndsWithTheObject)
{
    LocalHttpServer silent([](const ReceivedRequest&) { return std::nullopt; });
    {
        const UpdatePageFetch fetch(silent.Url("/update.html"));
        silent.WaitForRequests(1);
    }
    EXPECT_EQ(silent.Requests().size(), 1U);
}

} // namespace
} // namespace velmora
