#include "TickGaps.h"

#include <algorithm>

TTickGaps::TTickGaps(int intervalMs)
{
    // Precise, so that the only lateness measured is the event loop's.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Tick(); });
}

void TTickGaps::Start()
{
    m_clock.start();
    m_lastNs = 0;
    m_longestNs = 0;
    m_timer.start();
}

void TTickGaps::Stop()
{
    Tick();
    m_timer.stop();
}

void TTickGaps::Tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longestNs = std::max(m_longestNs, now - m_lastNs);
    m_lastNs = now;
}
