#pragma once

#include <array>
#include <functional>

#include <QWidget>

#include "app/program_state.h"

class QFrame;
class QLabel;
class QTimer;

namespace velmora {

/// The first window of the program: a black strip with "LOVE YOU" fading from red, a row of five
/// gliding dots and a status line. Its first timer tick shows it, steps through the status
/// texts, hides it and opens the main window. It stays, hidden, until the program ends, its dots
/// standing still.
class SplashWindow final : public QWidget
{
    Q_OBJECT

public:
    /// makeMainWindow makes the main window, hidden, while the status texts show; openMainWindow
    /// opens it modally and returns when it is gone.
    SplashWindow(ProgramState& state, std::function<void()> makeMainWindow, std::function<void()> openMainWindow,
                 QWidget* parent = nullptr);

    /// One tick of the dots (every 10 ms while the window is shown).
    void SplashDots();
    /// The first tick of the fade timer: shows the window, runs the status texts and the main
    /// window, then fades the big label.
    void SplashFade();
    /// Steps through the status texts, then hides the window and opens the main window.
    void SplashStatus();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ProgramState& m_state;
    std::function<void()> m_makeMainWindow;
    std::function<void()> m_openMainWindow;
    QLabel* m_bigLabel;
    QLabel* m_statusLabel;
    std::array<QFrame*, 5> m_dots{};
    QTimer* m_dotTimer;
    QTimer* m_fadeTimer;
};

} // namespace velmora
