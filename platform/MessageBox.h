#pragma once

#include <QMessageBox>

// A modal box with one "OK" button, which Enter and Esc also press, sized to
// its text and centred on the screen.
class TMessageBox final : public QMessageBox {
    Q_OBJECT

public:
    TMessageBox(QMessageBox::Icon icon, const QString &caption, const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
};

// "Information" with the information icon: the refusals the user must see.
void ShowInformation(const QString &text);
