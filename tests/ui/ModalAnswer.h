#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window of kind Modal from inside its own event
// loop, the way a user would once it is on screen. Other modal windows are
// left to their own answers.
template <typename Modal>
void WhenModalShows(std::function<void(Modal &modal)> answer)
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
}

// What a message box showed, and its OK pressed.
struct SeenMessage {
    QString caption;
    QString text;
    int icon = 0;
    int buttons = 0;
};
void PressOkOnNextMessage(SeenMessage &seen);
