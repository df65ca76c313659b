#include "app/update_check.h"

#include <QMessageBox>

#include "app/qt_text.h"
#include "app/version_text.h"
#include "scheduler/time_text.h"
#include "web/utf8_text.h"

namespace velmora {

void CheckForUpdate(ProgramState& state, QWidget* owner, const ByteString& updatePage)
{
    const Text page = Utf8ToLocalText(updatePage);
    state.newestVersion = VersionOnUpdatePage(page);
    state.programVersion = Text(kProgramVersion);
    state.updateAvailable = IsNewerVersion(state.newestVersion, state.programVersion) ? 1 : 0;
    if (state.updateAvailable == 0)
        return;

    // The running time of the earlier runs only: this one has hardly begun.
    const Text text =
        VersionNoticeText(state.newestVersion, state.programVersion, DurationText(state.schedule.storedRunSeconds));
    QMessageBox box(QMessageBox::Information, QStringLiteral("更新提示"), ToQString(text), QMessageBox::Ok, owner);
    box.exec();
}

} // namespace velmora
