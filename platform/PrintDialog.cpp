#include "PrintDialog.h"

#include "Printer.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

TSystemPrintDialog::TSystemPrintDialog(QPrinter *printer)
    : QPrintDialog(printer, nullptr)
{
    setOptions(QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
}

void TSystemPrintDialog::showEvent(QShowEvent *event)
{
    QPrintDialog::showEvent(event);
    // Qt shows the page range group whatever the options say.
    if (auto *pageRanges = findChild<QGroupBox *>(QStringLiteral("gbPrintRange")))
        pageRanges->hide();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize size = frameGeometry().size();
    move(screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 3);
}

bool TPrintDialog::Execute()
{
    QPrinter choice;
    CopyPrinterSettings(m_printer.Settings(), choice);
    TSystemPrintDialog dialog(&choice);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_printer.Assign(choice);
    return true;
}
