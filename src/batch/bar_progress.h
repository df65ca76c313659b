#pragma once

#include "batch/batch_engine.h"

class QProgressBar;

namespace velmora {

/// Keeps the window usable and a bar of range 0 to 1000 moving while the engine runs. The bar
/// is written only when its position changes: a run over many files would otherwise repaint
/// it for every file.
class BarProgress final : public BatchProgress
{
public:
    explicit BarProgress(QProgressBar* bar);

    void PumpMessages() override;
    /// Puts the bar at k / n × 1000, rounded down.
    void Progress(int k, int n) override;

private:
    QProgressBar* m_bar;
    int m_position;
};

} // namespace velmora
