#pragma once

#include <QElapsedTimer>

#include "batch/batch_engine.h"

class QProgressBar;

namespace velmora {

/// Keeps the window usable and a bar of range 0 to 1000 moving while the engine runs. The bar
/// is written only when its position changes, and waiting events are handled at most every few
/// milliseconds: a run over many files would otherwise repaint the bar and ask the window
/// system for events once per file, which costs as much as the file operations themselves.
class BarProgress final : public BatchProgress
{
public:
    explicit BarProgress(QProgressBar* bar);

    /// Handles waiting events when the last time was a few milliseconds ago.
    void PumpMessages() override;
    /// Puts the bar at k / n × 1000, rounded down.
    void Progress(int k, int n) override;

private:
    QProgressBar* m_bar;
    int m_position;
    QElapsedTimer m_sincePump;
};

} // namespace velmora
