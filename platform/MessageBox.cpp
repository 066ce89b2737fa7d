#include "MessageBox.h"

#include "Scaling.h"

TMessageBox::TMessageBox(QMessageBox::Icon icon, const QString &caption, const QString &text)
    : QMessageBox(icon, caption, text, QMessageBox::Ok)
{
    setWindowModality(Qt::ApplicationModal);
    setDefaultButton(QMessageBox::Ok);
    setEscapeButton(QMessageBox::Ok);
}

void TMessageBox::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    CentreOnScreen(*this);
}

void ShowInformation(const QString &text)
{
    TMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text);
    box.exec();
}
