#include "ModalAnswer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

void WhenModalShows(std::function<void(QWidget &modal)> answer)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(*modal);
    });
    poll->start();
}

void PressOkOnNextMessage(SeenMessage &seen)
{
    WhenModalShows([&seen](QWidget &modal) {
        auto *box = qobject_cast<QMessageBox *>(&modal);
        if (!box)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
}
