#include "Printer.h"

#include "CupsQueue.h"
#include "PrinterError.h"

#include <QCoreApplication>
#include <QPrintEngine>
#include <QPrinterInfo>

#include <algorithm>

namespace {

// Driver options chosen in the print dialog's Properties travel with the
// print engine as alternating names and values.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// A queue whose driver declares no resolution (a raw queue) gets this one.
constexpr int kFallbackDpi = 600;

// "600dpi" or "300x600dpi": the horizontal figure.
std::optional<int> ParseDpi(const QString &value)
{
    const QString digits = value.section(QLatin1Char('x'), 0, 0).remove(QLatin1String("dpi"));
    bool ok = false;
    const int dpi = digits.toInt(&ok);
    return ok && dpi > 0 ? std::optional<int>(dpi) : std::nullopt;
}

std::optional<int> ChosenResolution(const QPrinter &printer)
{
    const QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        if (options.at(i) == QLatin1String("Resolution"))
            return ParseDpi(options.at(i + 1));
    }
    return std::nullopt;
}

}  // namespace

void CopyPrinterSettings(const QPrinter &from, QPrinter &to)
{
    to.setPrinterName(from.printerName());
    to.printEngine()->setProperty(kCupsOptions, from.printEngine()->property(kCupsOptions));
    to.setCopyCount(from.copyCount());
    to.setCollateCopies(from.collateCopies());
    to.setDuplex(from.duplex());
    to.setColorMode(from.colorMode());
    to.setPageLayout(from.pageLayout());
    to.setPageOrientation(from.pageLayout().orientation());
    to.setResolution(from.resolution());
}

// Made on first use, not at start-up: making a QPrinter loads the print
// system's plugin and asks the scheduler, which would slow the window's start.
QPrinter &TPrinter::Device() const
{
    if (!m_device) {
        m_device = std::make_unique<QPrinter>();
        m_device->setDocName(QString());
    }
    return *m_device;
}

void TPrinter::EnsureSelected()
{
    if (Selected())
        return;
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        throw EPrinter("There is no default printer currently selected");

    m_queue = defaultPrinter.printerName();
    Device().setPrinterName(m_queue);
    UsePrintableArea(defaultPrinter.defaultPageSize());
    UseDriverResolution();
}

void TPrinter::Assign(const QPrinter &chosen)
{
    if (Printing())
        throw EPrinter("Printing in progress");
    if (chosen.copyCount() > 1 && chosen.copyCount() > CupsQueue::MaximumCopies(chosen.printerName()))
        throw EPrinter("Operation not supported on selected printer");

    m_queue = chosen.printerName();
    CopyPrinterSettings(chosen, Device());
    // Paper the queue does not have (Qt starts every printer on A4) gives
    // way to the queue's own.
    const QPrinterInfo queue(Device());
    const QPageSize paper = chosen.pageLayout().pageSize();
    const bool queueHasPaper = std::any_of(queue.supportedPageSizes().cbegin(), queue.supportedPageSizes().cend(),
                                           [&paper](const QPageSize &size) { return size.isEquivalentTo(paper); });
    UsePrintableArea(queueHasPaper || queue.isNull() ? paper : queue.defaultPageSize());
    UseDriverResolution();
}

// The printable area is the driver's, on the paper the job is printed on.
// Qt reports the driver's margins as for a portrait page whatever the
// orientation, and in the units the layout was last given (a print dialog
// leaves millimetres); they are kept here in points. The printer paints from
// the paper's corner, so that only these margins place the lines.
void TPrinter::UsePrintableArea(const QPageSize &paper)
{
    QPrinter &device = Device();
    device.setPageSize(paper);
    device.setFullPage(true);
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Point);
    m_driverMargins = layout.minimumMargins();
}

// A landscape page is the portrait one turned a quarter to the left: its top
// was the paper's left edge, its left the paper's bottom edge.
QRect TPrinter::PrintableArea() const
{
    const QPageLayout layout = Device().pageLayout();
    const QMarginsF &m = m_driverMargins;
    const QMarginsF margins = layout.orientation() == QPageLayout::Landscape
                                  ? QMarginsF(m.bottom(), m.left(), m.top(), m.right())
                                  : m;
    const QRectF area = layout.fullRect(QPageLayout::Point).marginsRemoved(margins);
    const qreal pixelsPerPoint = Device().resolution() / 72.0;
    return QRect(qRound(area.left() * pixelsPerPoint), qRound(area.top() * pixelsPerPoint),
                 qRound(area.width() * pixelsPerPoint), qRound(area.height() * pixelsPerPoint));
}

void TPrinter::UseDriverResolution()
{
    std::optional<int> dpi = ChosenResolution(Device());
    if (!dpi)
        dpi = CupsQueue::DefaultResolutionDpi(m_queue);
    Device().setResolution(dpi.value_or(kFallbackDpi));
}

void TPrinter::SetLineWidth(int pixels)
{
    m_lineWidth = pixels;
}

void TPrinter::StartJob()
{
    if (Printing())
        throw EPrinter("Printing in progress");
    if (CupsQueue::LookUp(m_queue) == CupsQueue::Presence::Missing || !m_painter.begin(&Device()))
        throw EPrinter("Printer selected is not valid");
    m_painter.translate(PrintableArea().topLeft());
}

std::int64_t TPrinter::PrintableWidth()
{
    return PrintableArea().width();
}

std::int64_t TPrinter::PrintableHeight()
{
    return PrintableArea().height();
}

// A filled band rather than a stroked line: exactly `m_lineWidth` device rows
// with y among them, and flat ends at x1 and x2.
void TPrinter::DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2)
{
    const std::int64_t top = y - m_lineWidth / 2;
    m_painter.fillRect(QRectF(x1, top, x2 - x1, m_lineWidth), Qt::black);
}

std::optional<std::string> TPrinter::FinishJob()
{
    // The windows stay live while the job is open, so that what the user
    // does during a run meets an open job.
    QCoreApplication::processEvents();
    m_painter.end();
    // Qt submits the job inside end() and drops the print system's answer.
    if (const auto refusal = CupsQueue::LastRefusal())
        return refusal->toStdString();
    return std::nullopt;
}

TPrinter &Printer()
{
    static TPrinter *printer = nullptr;
    if (!printer) {
        printer = new TPrinter;
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}
