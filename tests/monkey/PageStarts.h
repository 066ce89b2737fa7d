#pragma once

#include <QObject>
#include <QStringList>

#include <utility>

// Counts the pages print runs start, from what the main window's title bar
// shows ("Tavelo - page N of M" while page N prints, "Tavelo" between runs),
// so the count owes nothing to the printer it is checked against. A title
// that skips or repeats a page, or a page started beyond the counter, is
// kept as broken until taken.
class PageStarts final : public QObject {
    Q_OBJECT

public:
    explicit PageStarts(QWidget &mainWindow);

    int Count() const { return m_count; }
    QStringList TakeBroken() { return std::exchange(m_broken, {}); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Seen(const QString &title);

    int m_count = 0;
    int m_page = 0;  // of the run under way, 0 between runs
    QStringList m_broken;
};
