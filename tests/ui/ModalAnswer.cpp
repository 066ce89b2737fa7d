#include "ModalAnswer.h"

#include <QMessageBox>
#include <QPushButton>

void PressOkOnNextMessage(SeenMessage &seen)
{
    WhenModalShows<QMessageBox>([&seen](QMessageBox &box) {
        seen = {box.windowTitle(), box.text(), box.icon(), int(box.buttons().size())};
        box.button(QMessageBox::Ok)->click();
    });
}

MessageAnswerer::MessageAnswerer()
{
    m_poll.setInterval(10);
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts.append(box->text());
        box->button(QMessageBox::Ok)->click();
    });
    m_poll.start();
}
