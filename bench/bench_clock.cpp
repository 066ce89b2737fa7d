// The clock through a long run: the real main window prints 500 pages on a
// private queue, confirmed in the real print dialog, while every change of
// its clock is noted.
#include "Application.h"
#include "ClockWatch.h"
#include "Figures.h"
#include "ModalAnswer.h"
#include "Printer.h"
#include "PrivateCupsd.h"
#include "Tavelo1.h"
#include "tavelo6.h"

#include <QElapsedTimer>
#include <QPrintDialog>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr int kPages = 500;
constexpr int kMaxJobs = 1000;
constexpr int kDeliveryTimeoutMs = 600000;
constexpr double kGapTargetMs = 2000;
const QString kQueue = QStringLiteral("music");

void Report(const TClockWatch &clock, double runMs)
{
    TFigureTable table(QStringLiteral("Clock during a %1-page run through the main window").arg(kPages));
    table.Add(QStringLiteral("run, Print pressed to last page handed over"),
              QStringLiteral("%1 s").arg(runMs / 1000, 0, 'f', 1));
    table.Add(QStringLiteral("clock changes seen"), QString::number(clock.Changes()));
    table.Add(QStringLiteral("longest time the clock stood still"), Milliseconds(clock.LongestGapMs()),
              QStringLiteral("< %1 ms").arg(kGapTargetMs), clock.LongestGapMs() < kGapTargetMs);
    table.Add(QStringLiteral("second values never shown"), QString::number(clock.SkippedSeconds()),
              QStringLiteral("0"), clock.SkippedSeconds() == 0);
    table.Print();
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // First of all: it points CUPS, HOME and the runtime folder at its own.
    PrivateCupsd cupsd;
    TApplication application(argc, argv);
    try {
        if (!cupsd.setMaxJobs(kMaxJobs) || !cupsd.addQueue(kQueue, QStringLiteral("tavelo-test-300.ppd"))
            || !cupsd.setDefault(kQueue))
            throw std::runtime_error("the private queue could not be set up");

        TForm1 form1(Printer());
        TForm6 form6(form1);
        form1.SetStaveWidthWindow(form6);
        form1.show();
        form1.Label2.SetCaption(QString::number(kPages));
        TClockWatch clock(form1.Label1, form1.Timer1);
        WhenModalShows<QPrintDialog>([](QPrintDialog &dialog) {
            QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
        });

        QElapsedTimer run;
        run.start();
        clock.Start();
        // Returns when the run has handed over its last page.
        form1.Button1.click();
        clock.Stop();
        const double runMs = run.nsecsElapsed() / 1e6;

        if (!cupsd.waitForJobs(kQueue, kPages, kDeliveryTimeoutMs))
            throw std::runtime_error("the run did not print every page");
        Report(clock, runMs);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_clock: could not measure: %s\n", error.what());
        return 1;
    }
    return 0;
}
