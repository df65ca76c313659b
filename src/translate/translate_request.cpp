#include "translate/translate_request.h"

#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "app/number_text.h"
#include "platform/http_connection.h"
#include "scheduler/time_text.h"
#include "translate/encoding.h"
#include "translate/md5_hex.h"
#include "translate/unescape_text.h"
#include "web/endpoints.h"
#include "web/markers.h"

namespace velmora {
namespace {
constexpr std::array<const char*, 28> kLanguageCodes = {
    "auto", "zh", "en", "yue", "wyw", "jp",  "kor", "fra", "spa", "th",  "ara", "ru",  "pt", "de",
    "it",   "el", "nl", "pl",  "bul", "est", "dan", "fin", "cs",  "rom", "slo", "swe", "hu", "cht"};

constexpr long kTimeoutMs = 15000;

/// The body of a plain GET, read as text up to its first zero byte; "" on any failure.
Text ReadAddress(const std::string& address)
{
    const std::unique_ptr<HttpConnection> connection = CreateHttpConnection();
    if (connection == nullptr)
        return {};
    connection->SetTimeout(kTimeoutMs);
    HttpExchangeRequest request;
    request.url = address;
    Text body = connection->Exchange(request).body;
    body.resize(body.find('\0') == Text::npos ? body.size() : body.find('\0'));
    return body;
}

std::int32_t ErrorCode(const Text& code)
{
    const double value = std::trunc(TextToNumber(code));
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kLowest ? kLowest : (value > kHighest ? kHighest : value));
}
} // namespace

Text LanguageCode(int index)
{
    if (index < 0 || index >= static_cast<int>(kLanguageCodes.size()))
        return {};
    return kLanguageCodes[static_cast<std::size_t>(index)];
}

Text SaltText(DateTime now, int milliseconds)
{
    const std::int64_t difference = now.SecondsSinceEpoch() - ParseTimeText("1970-01-01 08:00:00").SecondsSinceEpoch();
    // The count is taken from a fraction of days nudged up by a few microseconds and cut toward
    // zero, which moves a moment before the start one second up.
    const std::int64_t seconds = difference >= 0 ? difference : difference + 1;
    const Text millisecondDigits = std::to_string(1000 + milliseconds % 1000).substr(1);
    Text salt = LeftText(std::to_string(seconds) + millisecondDigits, 10);
    salt.resize(10, '0');
    return salt;
}

std::int32_t TranslateText(const TranslateArgs& args, const Text& salt, Text& translation)
{
    const Text sign = Md5Hex(LocalToUtf8(args.appId + args.query + salt + args.secretKey));
    const Text answer = ReadAddress(TranslateApiAddress() + "?q=" + UrlEncode(args.query) + "&appid=" + args.appId +
                                    "&salt=" + salt + "&from=" + args.from + "&to=" + args.to + "&sign=" + sign);
    translation = UnescapeText(TextBetween(answer, "dst\":\"", "\""));
    const Text code = TextBetween(answer, "error_code\":\"", "\",");
    return code.empty() ? kTranslateSuccess : ErrorCode(code);
}

} // namespace velmora
