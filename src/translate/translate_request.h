#pragma once

#include <cstdint>

#include "scheduler/date_time.h"
#include "web/text.h"

namespace velmora {

/// The service's code of the language at this index of the language lists ("auto", "zh", "en",
/// ... "cht"); "" for any other index.
Text LanguageCode(int index);

/// The 10-character salt of a request made at this local moment: the seconds since
/// 1970-01-01 08:00:00 followed by the three digits of the milliseconds, cut or padded with "0".
Text SaltText(DateTime now, int milliseconds);

/// What to translate and how; the defaults are the service account's own.
struct TranslateArgs
{
    Text query;
    Text from = "auto";
    Text to;
    Text appId = "7384926157483920";
    Text secretKey = "90817263";
};

/// The service's code for a translation without error.
constexpr std::int32_t kTranslateSuccess = 52000;

/// Asks the translation service, signing the request with salt; translation receives the
/// translated first line ("" when there is none). Returns the service's error code, or
/// kTranslateSuccess when the answer names none (also when no answer came).
std::int32_t TranslateText(const TranslateArgs& args, const Text& salt, Text& translation);

} // namespace velmora
