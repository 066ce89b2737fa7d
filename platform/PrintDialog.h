#pragma once

#include <QPrintDialog>
#include <QPrinter>

class TPrinter;

// The system print dialog as the program shows it: printer, its Properties,
// copies and collation; no page ranges, selection or printing to a file.
// Centred across the screen's width, a third of the remaining height above it.
class TSystemPrintDialog final : public QPrintDialog {
    Q_OBJECT

public:
    explicit TSystemPrintDialog(QPrinter *printer);

protected:
    void showEvent(QShowEvent *event) override;
};

// Shows the dialog on a copy of the printer's settings, so that a dialog
// opened while a job is printing cannot change that job. When it is
// confirmed the choice goes to the printer, which refuses it while printing.
class TPrintDialog {
public:
    explicit TPrintDialog(TPrinter &printer) : m_printer(printer) {}

    bool Execute();

private:
    TPrinter &m_printer;
};
