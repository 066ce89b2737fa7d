#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Answers the next modal window from inside its own event loop, the way a
// user would once it is on screen.
void WhenModalShows(std::function<void(QWidget &modal)> answer);

// What a message box showed, and its OK pressed.
struct SeenMessage {
    QString caption;
    QString text;
    int icon = 0;
    int buttons = 0;
};
void PressOkOnNextMessage(SeenMessage &seen);
