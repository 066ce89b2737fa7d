#include "ClockWatch.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The seconds are the clock's last two digits, an AM or PM marker aside.
int SecondsShown(const QString &text)
{
    static const QRegularExpression seconds(QStringLiteral("(\\d{2})\\D*$"));
    const QRegularExpressionMatch match = seconds.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace

TClockWatch::TClockWatch(const QLabel &clock, const QTimer &ticks)
    : m_clock(clock)
{
    QObject::connect(&ticks, &QTimer::timeout, &m_context, [this] { Read(); });
}

void TClockWatch::Start()
{
    m_elapsed.start();
    m_watching = true;
    m_lastText = m_clock.text();
    m_lastSecond = SecondsShown(m_lastText);
    m_lastChangeNs = 0;
    m_longestNs = 0;
    m_changes = 0;
    m_skippedSeconds = 0;
}

void TClockWatch::Stop()
{
    NoteGapTo(m_elapsed.nsecsElapsed());
    m_watching = false;
}

void TClockWatch::Read()
{
    const QString text = m_clock.text();
    if (!m_watching || text == m_lastText)
        return;
    NoteGapTo(m_elapsed.nsecsElapsed());
    const int second = SecondsShown(text);
    // One second on is the only step that skips nothing; the same second
    // again (a minute on) skipped the other 59.
    if (m_lastSecond >= 0 && second >= 0)
        m_skippedSeconds += (second - m_lastSecond + 59) % 60;
    m_lastText = text;
    m_lastSecond = second;
    ++m_changes;
}

void TClockWatch::NoteGapTo(qint64 nowNs)
{
    m_longestNs = std::max(m_longestNs, nowNs - m_lastChangeNs);
    m_lastChangeNs = nowNs;
}
