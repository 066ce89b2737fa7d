#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QObject>
#include <QTimer>

// Notes every change of a clock label's text and when it was seen. The
// label is read right after each tick of the timer that sets it: connected
// after the window's own handler, this reader runs after it.
class TClockWatch {
public:
    TClockWatch(const QLabel &clock, const QTimer &ticks);

    void Start();
    void Stop();

    int Changes() const { return m_changes; }
    // The longest the text stood still, the stretches from Start to the
    // first change and from the last change to Stop included.
    double LongestGapMs() const { return m_longestNs / 1e6; }
    // The second values the clock went past without showing them.
    int SkippedSeconds() const { return m_skippedSeconds; }

private:
    void Read();
    void NoteGapTo(qint64 nowNs);

    const QLabel &m_clock;
    QObject m_context;
    QElapsedTimer m_elapsed;
    bool m_watching = false;
    QString m_lastText;
    int m_lastSecond = -1;
    qint64 m_lastChangeNs = 0;
    qint64 m_longestNs = 0;
    int m_changes = 0;
    int m_skippedSeconds = 0;
};
