#pragma once

#include "PrintRun.h"

#include <QPainter>
#include <QPrinter>
#include <QString>

#include <memory>

// The program's one printer, alive as long as the application object. The
// print dialog chooses it; the print run draws its pages on it, one job a page.
class TPrinter final : public TPrintTarget {
public:
    // Binds the printer to the system's default queue unless one has been
    // chosen already. Throws EPrinter when the system has no default printer.
    void EnsureSelected();

    bool Selected() const { return !m_queue.isEmpty(); }
    bool Printing() const { return m_painter.isActive(); }

    // The queue and its settings as they stand, for a print dialog to start from.
    const QPrinter &Settings() const { return Device(); }

    // Takes the queue and the settings (paper, orientation, copies, driver
    // options) chosen in a print dialog. Throws EPrinter while a job is open,
    // or when the queue cannot print the copies asked for.
    void Assign(const QPrinter &chosen);

    void SetLineWidth(int pixels) override;
    void StartJob() override;
    std::int64_t PrintableWidth() override;
    std::int64_t PrintableHeight() override;
    void DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2) override;
    std::optional<std::string> FinishJob() override;

private:
    void UsePrintableArea(const QPageSize &paper);
    void UseDriverResolution();
    // In device pixels, from the paper's top left corner.
    QRect PrintableArea() const;

    QPrinter &Device() const;

    mutable std::unique_ptr<QPrinter> m_device;
    QPainter m_painter;
    QString m_queue;
    QMarginsF m_driverMargins;
    int m_lineWidth = 1;
};

// Queue, paper, orientation, copies and driver options, from one printer to another.
void CopyPrinterSettings(const QPrinter &from, QPrinter &to);

// The process-wide printer, made on first use and destroyed with the
// application object.
TPrinter &Printer();
