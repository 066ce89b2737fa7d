#pragma once

#include <QElapsedTimer>
#include <QTimer>

// A timer that stands for the windows' own timers while something runs, and
// the longest it had to wait for a tick. The stretch after the last tick
// counts too, so a stall at the very end is not missed.
class TTickGaps {
public:
    explicit TTickGaps(int intervalMs);

    void Start();
    void Stop();
    double LongestGapMs() const { return m_longestNs / 1e6; }

private:
    void Tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
};
