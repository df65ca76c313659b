// Time texts: any text parses to a supported moment or to the lowest one, and every moment reads
// back from its own text.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz_check.h"
#include "scheduler/date_time.h"
#include "scheduler/time_text.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::int64_t seconds = input.ConsumeIntegral<std::int64_t>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    const DateTime parsed = ParseTimeText(text);
    FUZZ_CHECK(parsed >= LowestDateTime() && parsed <= HighestDateTime());
    FUZZ_CHECK(ParseTimeText(TimeText(parsed)) == parsed);

    // Any second of the supported range, reached through carried-over fields.
    const std::int64_t span = HighestDateTime().SecondsSinceEpoch() - LowestDateTime().SecondsSinceEpoch() + 1;
    const std::int64_t offset = ((seconds % span) + span) % span;
    const DateTime supported = ClampDateTime(
        DateTime::FromFields(100, 1, 1 + static_cast<int>(offset / 86400), 0, 0, static_cast<int>(offset % 86400)));
    FUZZ_CHECK(supported >= LowestDateTime() && supported <= HighestDateTime());
    FUZZ_CHECK(ParseTimeText(TimeText(supported)) == supported);
    FUZZ_CHECK(seconds <= 0 || !DurationText(seconds).empty());
    return 0;
}
