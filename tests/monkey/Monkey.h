#pragma once

#include <QMap>
#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

class PageStarts;
class QWidget;
class TForm1;
class TForm6;

// Plays a user who does random things to both windows: clicks on their
// controls, keys to whatever has the focus, texts pasted into the stave width
// box. It acts each time the event loop is served, so its events also land
// inside print runs (which serve the loop once a page) and inside the modal
// windows they open. Whenever a modal window is up it answers that instead:
// a print dialog is confirmed or cancelled at random, a message box gets OK.
// After every event the windows and the pages started are checked; the
// first thing found wrong stops the events.
class Monkey final : public QObject {
    Q_OBJECT

public:
    Monkey(TForm1 &form1, TForm6 &form6, PageStarts &pages, quint32 seed, int events);

    void Start();
    void Stop() { m_stopped = true; }
    // Once true and the loop is back where Start was called, everything the
    // events opened is closed again.
    bool EventsSent() const { return m_sent >= m_events; }
    QStringList Failures() const { return m_failures; }
    // How often each kind of modal window was answered, and how.
    QMap<QString, int> Answers() const { return m_answers; }

private:
    void Tick();
    void Answer(QWidget &modal);
    void SendRandomEvent();
    void ClickInMainWindow();
    void ClickInStaveWidthWindow();
    void PressKey();
    void Paste();
    void ClickAt(QWidget &widget, const QString &name);
    bool PrintWouldStartLongRun() const;
    QString RandomText();
    void Log(const QString &what);
    void Fail(const QString &what);

    TForm1 &m_form1;
    TForm6 &m_form6;
    PageStarts &m_pages;
    QRandomGenerator m_random;
    const int m_events;
    int m_sent = 0;
    bool m_stopped = false;
    QStringList m_recent;
    QStringList m_failures;
    QMap<QString, int> m_answers;
};
