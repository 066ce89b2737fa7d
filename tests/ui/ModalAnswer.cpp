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
