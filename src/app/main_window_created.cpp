// What the main window does once at start-up, with dropped files, and at exit.
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTabWidget>

#include "app/appearance.h"
#include "app/data_folder.h"
#include "app/file_drop_target.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/run_time.h"
#include "app/settings_page.h"
#include "app/tray_icon.h"
#include "app/update_check.h"
#include "app/window_alpha.h"
#include "batch/batch_page.h"
#include "console/console_page.h"
#include "memo/memo_page.h"
#include "pyrun/pyrun_page.h"
#include "scheduler/scheduler_page.h"

namespace velmora {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int kSplitMode = 5;
} // namespace

void MainWindow::MainWindowCreated()
{
    m_appearance->LocateSkinEngine(m_appearance->SkinEngineBesideProgram());

    // Laid out taller; the background covers 320 pixels and the window keeps its top-left corner.
    setFixedSize(500, 320);

    m_state.shutdownPending = 0;
    m_state.restartPending = 0;
    m_state.schedule.dateBoxFollowsClock = 1;

    QLineEdit* configurationLine = m_settingsPage->ConfigurationLine();
    configurationLine->move(configurationLine->x(), 255);

    connect(new FileDropTarget(m_pages), &FileDropTarget::FilesDropped, this, &MainWindow::DroppedFileRouting);

    m_state.shutdownLine.clear();
    m_state.alarmLine.clear();

    SetWindowAlpha(this, 225);

    m_trayIcon = new TrayIcon(windowIcon(), u"Tarvik"_s, this);
    connect(m_trayIcon, &TrayIcon::DoubleClicked, this, &MainWindow::RestoreNormalCentred);
    connect(m_trayIcon, &TrayIcon::ShowWindowChosen, this, [this] {
        show();
        RestoreNormalCentred();
    });
    connect(m_trayIcon, &TrayIcon::ExitChosen, this, &MainWindow::SaveRunTimeAndExit);
    connect(m_trayIcon, &TrayIcon::RestoreOpacityChosen, this, [this] { SetWindowAlpha(this, 255); });
    m_trayIcon->Show();

    m_memoPage->LoadMemos();
    m_schedulerPage->LoadExecutionList();

    m_batchPage->HideProgress();

    m_state.pyConsoleHidden = 0;

    m_schedulerPage->DateBox()->setDisplayFormat(u"yyyy-MM-dd HH:mm:ss"_s);

    m_consolePage->ResetMode();

    if (!m_services.files.IsFolder(DataFolder()))
        m_services.files.EnsureFolder(DataFolder());

    m_state.schedule.storedRunSeconds = ReadStoredRunSeconds(m_services.files, SettingsFile());

    CheckForUpdate(m_state, this, m_services.updatePage.Page());

    m_appearance->RestoreTheme();
}

void MainWindow::DroppedFileRouting(const QString& path)
{
    if (CurrentPage() == PyRunPageIndex) {
        // Set before the text, whose change starts the script.
        m_state.pyScriptPath = ToNativePath(path);
        // Cleared first, so that dropping the same script again runs it again.
        m_pyRunPage->ScriptPathBox()->clear();
        m_pyRunPage->ScriptPathBox()->setText(path);
    }

    QLineEdit* folderBox = m_batchPage->FolderBox();
    if (m_batchPage->Mode() == kSplitMode || m_services.files.IsFolder(ToNativePath(path)))
        folderBox->setText(path);
    else
        folderBox->setText(FromNativePath(FolderOfPath(ToNativePath(path))));

    if (CurrentPage() == SchedulerPageIndex)
        m_schedulerPage->DroppedPathBox()->setText(path);
}

void MainWindow::SaveRunTimeAndExit()
{
    // Leaving goes on even when the write fails: this run's time is then lost, nothing else.
    SaveRunTime(m_services.files, SettingsFile(), m_state.schedule);
    Q_EMIT ExitRequested();
}

} // namespace velmora
