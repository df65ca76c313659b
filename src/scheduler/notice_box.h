#pragma once

#include <QString>

class QWidget;

namespace velmora {

/// How a notice looks and how long it stays.
struct NoticeOptions
{
    /// Message-box style bits; of them the icon is used: 16 stop, 32 question, 48 warning,
    /// 64 information, 0 none.
    int flags = 0;
    QString title = QStringLiteral("友情提醒");
    /// The window it is shown over; by default the program's own visible window.
    QWidget* owner = nullptr;
    /// It closes itself after this many milliseconds.
    int timeoutMs = 5000;
};

/// What NoticeBox returns after the user pressed OK.
inline constexpr int kNoticeConfirmed = 0;
/// What NoticeBox returns when the notice closed itself.
inline constexpr int kNoticeTimedOut = 31999;

/// Shows a message box over the owner, modal to it, until the user confirms it or the time-out
/// closes it. Events, timers included, go on being handled meanwhile.
int NoticeBox(const QString& text, const NoticeOptions& options = {});

} // namespace velmora
