// A web request's handling of an arbitrary answer: the header block, its Set-Cookie lines and
// the merge into the caller's cookies, and caller header texts of any shape.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz_check.h"
#include "platform/http_connection.h"
#include "web/web_request.h"

using namespace velmora;

namespace {

// Answers every exchange with the bytes the fuzzer chose, without a network.
class ScriptedConnection final : public HttpConnection
{
public:
    explicit ScriptedConnection(HttpExchangeAnswer answer) : m_answer(std::move(answer)) {}
    void SetTimeout(long) override {}
    void SetProxy(const std::string&) override {}
    HttpExchangeAnswer Exchange(const HttpExchangeRequest&) override { return m_answer; }
    void Abort() override {}

private:
    HttpExchangeAnswer m_answer;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    WebRequestArgs args;
    args.method = input.ConsumeIntegralInRange(-1, 8);
    args.requestHeaders = input.ConsumeRandomLengthString(100);
    if (input.ConsumeBool())
        args.cookies = input.ConsumeRandomLengthString(100);
    args.mergeCookies = input.ConsumeBool();
    HttpExchangeAnswer answer;
    answer.status = input.ConsumeIntegral<int>();
    answer.body = input.ConsumeRandomLengthString(100);
    answer.headerBlock = input.ConsumeRemainingBytesAsString();
    ScriptedConnection connection(answer);
    args.requestObject = &connection;

    const ByteString body = WebRequest("http://127.0.0.1/", args);
    FUZZ_CHECK(body == answer.body);
    FUZZ_CHECK(args.responseHeaders == answer.headerBlock);
    if (args.cookies && args.mergeCookies)
        FUZZ_CHECK(*args.cookies == args.returnedCookies);
    return 0;
}
