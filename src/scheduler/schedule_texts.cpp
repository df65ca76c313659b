#include "scheduler/schedule_texts.h"

#include <cstdint>

#include "platform/code_page.h"
#include "scheduler/time_text.h"

namespace velmora {

void CountRunningSecond(ScheduleState& schedule)
{
    ++schedule.sessionSeconds;
    schedule.runTimeText = DurationText(static_cast<std::int64_t>(schedule.sessionSeconds) + schedule.storedRunSeconds);
}

Text HintBoxText(DateTime now, const ProgramState& state)
{
    static const Text current = LocalFromUtf8("当前：");
    // The blank before the third line break is part of the text people have seen for years.
    return current + TimeText(now) + "\r\n" + state.shutdownLine + "\r\n" + state.restartLine + " \r\n" +
           state.alarmLine;
}

Text ConfigurationLine(std::string_view updatePageAddress, const ProgramState& state)
{
    static const Text newer = LocalFromUtf8("有更新：");
    static const Text version = LocalFromUtf8("版本：");
    static const Text running = LocalFromUtf8("  已运行：");
    const Text versionPart = state.updateAvailable == 1 ? newer + state.newestVersion : version + state.programVersion;
    return LocalFromUtf8(updatePageAddress) + " " + versionPart + running + state.schedule.runTimeText;
}

} // namespace velmora
