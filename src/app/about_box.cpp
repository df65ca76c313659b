#include "app/about_box.h"

#include "app/qt_text.h"
#include "app/version_text.h"
#include "scheduler/notice_box.h"

namespace velmora {

void ShowAboutBox(const ProgramState& state)
{
    NoticeOptions options;
    options.flags = 64;
    options.title = QStringLiteral("软件信息");
    NoticeBox(ToQString(VersionNoticeText(state.newestVersion, state.programVersion, state.schedule.runTimeText)),
              options);
}

} // namespace velmora
