#include "batch/bar_progress.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace velmora {

BarProgress::BarProgress(QProgressBar* bar) : m_bar(bar), m_position(bar->value()) {}

void BarProgress::PumpMessages()
{
    QCoreApplication::processEvents();
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
