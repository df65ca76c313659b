#include "console/chat_request.h"

#include "translate/encoding.h"
#include "web/endpoints.h"
#include "web/utf8_text.h"
#include "web/web_request.h"

namespace velmora {
namespace {
constexpr std::string_view kApiKey = "9c1b7e30d4a6f2859e0b3d71c6a4f8e2";
constexpr std::string_view kApiSecret = "kw7hmu2pxe4n";
constexpr int kPostMethod = 1;
} // namespace

std::string ChatRequestAddress(std::string_view message)
{
    return ChatApiAddress() + "?question=" + UrlEncode(message) + "&api_key=" + Text(kApiKey) +
           "&api_secret=" + Text(kApiSecret);
}

Text ChatAnswer(std::string_view message, HttpConnection* connection)
{
    WebRequestArgs args;
    args.method = kPostMethod;
    args.requestObject = connection;
    const Text reply = Utf8ToLocalText(WebRequest(ChatRequestAddress(message), args));
    // The service puts one byte before its reply.
    return RightText(reply, static_cast<int>(reply.size()) - 1);
}

} // namespace velmora
