#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window of kind Modal from inside its own event
// loop, the way a user would once it is on screen. Other modal windows are
// left to their own answers. Delete the returned watch to stop waiting.
template <typename Modal>
QPointer<QTimer> WhenModalShows(std::function<void(Modal &modal)> answer)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        auto *modal = qobject_cast<Modal *>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(*modal);
    });
    poll->start();
    return poll;
}

// What a message box showed, and its OK pressed.
struct SeenMessage {
    QString caption;
    QString text;
    int icon = 0;
    int buttons = 0;
};
// `seen` must outlive the message box it waits for.
void PressOkOnNextMessage(SeenMessage &seen);

// While it lives, answers every message box with OK and keeps its text.
class MessageAnswerer {
public:
    MessageAnswerer();
    MessageAnswerer(const MessageAnswerer &) = delete;
    MessageAnswerer &operator=(const MessageAnswerer &) = delete;

    QStringList texts;

private:
    QTimer m_poll;
};
