// The print path end to end: the print run on the program's printer, through
// a real (private) CUPS scheduler, judged by the PDFs the queues receive.
#include "PdfReader.h"
#include "PrintRun.h"
#include "PrinterError.h"
#include "Printer.h"
#include "PrivateCupsd.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(TScoreKind)

using PdfReader::InkRun;

namespace {

// The test queues' paper is Letter with 18 pt on the left and right that the
// printer cannot reach.
int MarginPixels(int dpi)
{
    return 18 * dpi / 72;
}

// A printer bound to `queue` as a confirmed print dialog would leave it.
void Choose(TPrinter &printer, const QString &queue, int copies = 1,
            QPageLayout::Orientation orientation = QPageLayout::Portrait)
{
    QPrinter choice;
    choice.setPrinterName(queue);
    choice.setCopyCount(copies);
    choice.setPageOrientation(orientation);
    printer.Assign(choice);
}

void Run(TPrinter &printer, int pages, TScoreKind kind, int lineWidth)
{
    RunPrint(printer, [pages] { return pages; }, [kind] { return kind; }, lineWidth);
}

// The ink a page of ruled lines should leave: one band per line, exactly
// `lineWidth` rows with the line's y among them, from left x to right x,
// shifted by where the printable area starts on the paper.
QList<InkRun> ExpectedInk(TScoreKind kind, QSize area, QPoint areaStart, int lineWidth)
{
    QList<InkRun> runs;
    for (const TStaveLine &line : LayoutStavePage(kind, area.width(), area.height())) {
        runs.append({int(line.y) - lineWidth / 2 + areaStart.y(), lineWidth, int(line.leftX) + areaStart.x(),
                     int(line.rightX) - 1 + areaStart.x()});
    }
    return runs;
}

}  // namespace

class TestPrinter : public QObject {
    Q_OBJECT

    PrivateCupsd cupsd;  // before any call to the print system in this process

private slots:
    void initTestCase()
    {
        QVERIFY(cupsd.addQueue(QStringLiteral("q300"), QStringLiteral("tavelo-test-300.ppd")));
        QVERIFY(cupsd.addQueue(QStringLiteral("q600"), QStringLiteral("tavelo-test-600.ppd")));
        QVERIFY(cupsd.addQueue(QStringLiteral("raw")));
    }

    // Queues but none of them the default: the printer says so.
    void noDefaultPrinter()
    {
        TPrinter printer;
        QVERIFY_THROWS_EXCEPTION(EPrinter, printer.EnsureSelected());
        try {
            printer.EnsureSelected();
        } catch (const EPrinter &error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("There is no default printer currently selected"));
        }
        QVERIFY(!printer.Selected());
    }

    // The printable area in device pixels at the driver's own resolution, on
    // the queue's own paper (not Qt's A4).
    void printableArea_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::newRow("300 dpi") << "q300" << false << qint64(2400) << qint64(3300);
        QTest::newRow("600 dpi") << "q600" << false << qint64(4800) << qint64(6600);
        // The page turned, and the printable area with it.
        QTest::newRow("300 dpi landscape") << "q300" << true << qint64(3300) << qint64(2400);
    }
    void printableArea()
    {
        QFETCH(QString, queue);
        QFETCH(bool, landscape);
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        TPrinter printer;
        Choose(printer, queue, 1, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        QCOMPARE(printer.PrintableWidth(), width);
        QCOMPARE(printer.PrintableHeight(), height);
    }

    // A queue whose driver declares no resolution prints at 600 dpi.
    void rawQueueFallsBackTo600Dpi()
    {
        TPrinter printer;
        Choose(printer, QStringLiteral("raw"));
        QCOMPARE(printer.Settings().resolution(), 600);
    }

    void theDefaultQueueIsTaken()
    {
        QVERIFY(cupsd.setDefault(QStringLiteral("q600")));
        TPrinter printer;
        printer.EnsureSelected();
        QCOMPARE(printer.Settings().printerName(), QStringLiteral("q600"));
        QCOMPARE(printer.PrintableWidth(), 4800);
        QCOMPARE(printer.PrintableHeight(), 6600);
    }

    // n pages make n jobs of one page each.
    void onePageAJob_data()
    {
        QTest::addColumn<int>("pages");
        QTest::newRow("1") << 1;
        QTest::newRow("4") << 4;
    }
    void onePageAJob()
    {
        QFETCH(int, pages);
        const QString queue = QStringLiteral("pages%1").arg(pages);
        QVERIFY(cupsd.addQueue(queue, QStringLiteral("tavelo-test-300.ppd")));
        TPrinter printer;
        Choose(printer, queue);
        Run(printer, pages, TScoreKind::skFullScore, 2);
        QVERIFY(cupsd.waitForJobs(queue, pages));
        const QStringList jobs = cupsd.receivedJobs(queue);
        QCOMPARE(jobs.size(), pages);
        for (const QString &job : jobs)
            QCOMPARE(PdfReader::pageCount(job), 1);
    }

    // Every line on its rows, exactly as thick as asked, from left x to right x.
    void linesOnThePage_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<TScoreKind>("kind");
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("full score, 300 dpi, 2 px") << "q300" << 300 << TScoreKind::skFullScore << 2 << false;
        QTest::newRow("short score, 300 dpi, 2 px") << "q300" << 300 << TScoreKind::skShortScore << 2 << false;
        QTest::newRow("full score, 600 dpi, 2 px") << "q600" << 600 << TScoreKind::skFullScore << 2 << false;
        QTest::newRow("short score, 600 dpi, 2 px") << "q600" << 600 << TScoreKind::skShortScore << 2 << false;
        QTest::newRow("full score, 300 dpi, 1 px") << "q300" << 300 << TScoreKind::skFullScore << 1 << false;
        QTest::newRow("short score, 300 dpi, 10 px") << "q300" << 300 << TScoreKind::skShortScore << 10 << false;
        QTest::newRow("full score, 300 dpi, landscape") << "q300" << 300 << TScoreKind::skFullScore << 2 << true;
    }
    void linesOnThePage()
    {
        QFETCH(QString, queue);
        QFETCH(int, dpi);
        QFETCH(TScoreKind, kind);
        QFETCH(int, lineWidth);
        QFETCH(bool, landscape);

        TPrinter printer;
        Choose(printer, queue, 1, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const int before = cupsd.receivedJobs(queue).size();
        Run(printer, 1, kind, lineWidth);
        QVERIFY(cupsd.waitForJobs(queue, before + 1));

        const QImage page = PdfReader::rasterize(cupsd.receivedJobs(queue).constLast(), dpi);
        QVERIFY(!page.isNull());
        const QList<InkRun> ink = PdfReader::inkRows(page);
        const int scale = dpi / 300;
        const QSize portrait(2400 * scale, 3300 * scale);
        const QSize area = landscape ? portrait.transposed() : portrait;
        const QPoint areaStart = landscape ? QPoint(0, MarginPixels(dpi)) : QPoint(MarginPixels(dpi), 0);
        const QSize paper = QSize(2550, 3300) * scale;  // Letter
        QCOMPARE(page.size(), landscape ? paper.transposed() : paper);
        QCOMPARE(ink.size(), kind == TScoreKind::skFullScore ? 60 : 50);
        QCOMPARE(ink, ExpectedInk(kind, area, areaStart, lineWidth));
        if (landscape)
            return;
        // Anchored to the worked page, not only to the layout code.
        const bool full = kind == TScoreKind::skFullScore;
        const int lastY = scale == 1 ? (full ? 3185 : 3123) : (full ? 6359 : 6241);
        QCOMPARE(ink.first().firstRow, 198 * scale - lineWidth / 2);
        QCOMPARE(ink.last().firstRow, lastY - lineWidth / 2);
        QCOMPARE(ink.first().firstColumn, 180 * scale + MarginPixels(dpi));
    }

    // Copies chosen in the dialog travel with each job; pages are not repeated.
    void copiesReachTheJob()
    {
        QVERIFY(cupsd.addQueue(QStringLiteral("copies"), QStringLiteral("tavelo-test-300.ppd")));
        TPrinter printer;
        Choose(printer, QStringLiteral("copies"), 3);
        Run(printer, 2, TScoreKind::skFullScore, 2);
        QVERIFY(cupsd.waitForJobs(QStringLiteral("copies"), 2));
        for (const QString &job : cupsd.receivedJobs(QStringLiteral("copies"))) {
            QCOMPARE(PrivateCupsd::receivedOptions(job).value(QStringLiteral("copies")), QStringLiteral("3"));
            QCOMPARE(PdfReader::pageCount(job), 1);
        }
    }

    // A job the print system refuses stops the run at that page and says
    // why; the pages before it stay printed and nothing after it is sent.
    void refusedJobStopsTheRun()
    {
        const QString queue = QStringLiteral("refusing");
        QVERIFY(cupsd.addQueue(queue, QStringLiteral("tavelo-test-300.ppd")));
        TPrinter printer;
        Choose(printer, queue);
        int pagesRead = 0;
        bool rejected = false;
        const auto counterThatStopsTheQueue = [&] {
            if (++pagesRead == 2)
                rejected = cupsd.reject(queue);
            return 5;
        };
        QString message;
        try {
            RunPrint(printer, counterThatStopsTheQueue, [] { return TScoreKind::skFullScore; }, 2);
        } catch (const EPrinter &error) {
            message = QString::fromUtf8(error.what());
        }
        QVERIFY(rejected);
        QCOMPARE(message, QStringLiteral("Page 3 was not printed: Destination \"refusing\" is not accepting jobs"));
        QVERIFY(cupsd.waitForJobs(queue, 2));
        QTest::qWait(300);
        QCOMPARE(cupsd.receivedJobs(queue).size(), 2);
        QVERIFY(!printer.Printing());
    }

    void deletedQueueIsNotValid()
    {
        const QString queue = QStringLiteral("doomed");
        QVERIFY(cupsd.addQueue(queue, QStringLiteral("tavelo-test-300.ppd")));
        TPrinter printer;
        Choose(printer, queue);
        QVERIFY(cupsd.deleteQueue(queue));
        try {
            Run(printer, 1, TScoreKind::skFullScore, 2);
            QFAIL("printed to a queue that is gone");
        } catch (const EPrinter &error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Printer selected is not valid"));
        }
        QVERIFY(!printer.Printing());
    }

    // While a job is open nothing else may start or change the printer.
    void printingInProgress()
    {
        TPrinter printer;
        Choose(printer, QStringLiteral("q300"));
        printer.StartJob();
        QVERIFY(printer.Printing());
        QVERIFY_THROWS_EXCEPTION(EPrinter, printer.StartJob());
        QPrinter other;
        other.setPrinterName(QStringLiteral("q600"));
        QVERIFY_THROWS_EXCEPTION(EPrinter, printer.Assign(other));
        QVERIFY(!printer.FinishJob().has_value());
        QVERIFY(!printer.Printing());
        QCOMPARE(printer.Settings().printerName(), QStringLiteral("q300"));
    }

    // The windows are served while a job is open, and only then.
    void eventsAreServedWhileAJobIsOpen()
    {
        TPrinter printer;
        Choose(printer, QStringLiteral("q300"));
        QList<bool> printingWhenServed;
        QTimer tick;
        tick.setInterval(0);
        connect(&tick, &QTimer::timeout, this, [&] { printingWhenServed.append(printer.Printing()); });
        tick.start();
        Run(printer, 3, TScoreKind::skFullScore, 1);
        tick.stop();
        QVERIFY(!printingWhenServed.isEmpty());
        QVERIFY(!printingWhenServed.contains(false));
    }
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
