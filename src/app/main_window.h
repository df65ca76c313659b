#pragma once

#include <optional>

#include <QPoint>
#include <QWidget>

#include "app/program_state.h"
#include "app/services.h"

class QFrame;
class QMenu;
class QTabWidget;

namespace velmora {

class Appearance;
class BatchPage;
class ConsolePage;
class MemoPage;
class PictureButton;
class PyRunPage;
class ScheduleClock;
class SchedulerPage;
class SettingsPage;
class TrayIcon;

/// The program's working window: six pages of tools under a row of page buttons, picture buttons
/// to minimise, exit and ask about the program, and an icon in the notification area.
class MainWindow final : public QWidget
{
    Q_OBJECT

public:
    /// The pages, in the order of their page buttons.
    enum Page
    {
        SchedulerPageIndex = 0,
        BatchPageIndex = 1,
        MemoPageIndex = 2,
        PyRunPageIndex = 3,
        ConsolePageIndex = 4,
        SettingsPageIndex = 5,
    };

    MainWindow(ProgramState& state, const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Brings the window, its pages and the program's stored state to their start-up state.
    /// Runs once, after the window exists and before it is first shown.
    void MainWindowCreated();

    /// Shows a page and moves the underline under its button.
    void ShowPage(int page);
    int CurrentPage() const;

    /// Hands a dropped path text to the pages that take dropped files.
    void DroppedFileRouting(const QString& path);

    /// Restores a minimised window and centres it on the screen; a hidden window stays hidden.
    void RestoreNormalCentred();

    /// Stores the running time of all runs and ends the program.
    void SaveRunTimeAndExit();

Q_SIGNALS:
    /// The user left through an exit command, after the running time was stored.
    void ExitRequested();
    /// The window was closed without storing anything.
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFrame();
    void BuildPages();
    void BuildMenus();
    void UseDefaultPointerOnPages();
    void CentreOnScreen();

    ProgramState& m_state;
    Services m_services;

    QTabWidget* m_pages = nullptr;
    QFrame* m_underline = nullptr;
    SchedulerPage* m_schedulerPage = nullptr;
    BatchPage* m_batchPage = nullptr;
    MemoPage* m_memoPage = nullptr;
    PyRunPage* m_pyRunPage = nullptr;
    ConsolePage* m_consolePage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    QMenu* m_pyMenu = nullptr;
    TrayIcon* m_trayIcon = nullptr;
    ScheduleClock* m_scheduleClock = nullptr;
    Appearance* m_appearance = nullptr;

    /// Where the pointer grabbed the window, while it is dragged by hand.
    std::optional<QPoint> m_dragOffset;
};

} // namespace velmora
