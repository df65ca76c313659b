#include "batch/bar_progress.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace velmora {

namespace {
// Often enough for the window to follow the mouse and repaint smoothly.
constexpr qint64 kPumpEveryMs = 5;
} // namespace

BarProgress::BarProgress(QProgressBar* bar) : m_bar(bar), m_position(bar->value())
{
    m_sincePump.start();
}

void BarProgress::PumpMessages()
{
    if (m_sincePump.elapsed() < kPumpEveryMs)
        return;
    QCoreApplication::processEvents();
    m_sincePump.restart();
}

void BarProgress::Progress(int k, int n)
{
    const int position = static_cast<int>(static_cast<double>(k) / static_cast<double>(n) * 1000.0);
    if (position == m_position)
        return;
    m_position = position;
    m_bar->setValue(position);
}

} // namespace velmora
