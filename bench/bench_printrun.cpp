// The print run against the print system's own ways in: 500 pages through
// the program's printer, then the very page it produced submitted 500 times
// with libcups and 500 times with lp, all in one process on one private
// scheduler, so that the ratios compare like with like on a noisy machine.
#include "Command.h"
#include "Figures.h"
#include "Printer.h"
#include "PrintRun.h"
#include "PrivateCupsd.h"
#include "ProcessMemory.h"
#include "QueueSettle.h"
#include "TickGaps.h"
#include "TimedTarget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>

#include <cups/cups.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kPages = 500;
constexpr int kLineWidth = 2;
// Three phases of kPages jobs, with room to spare.
constexpr int kMaxJobs = 2000;
constexpr int kTickIntervalMs = 100;
constexpr int kLpTimeoutMs = 30000;

constexpr double kLibcupsRatioTarget = 1.5;
constexpr double kLpRatioTarget = 0.5;
constexpr double kGrowthTargetKib = 2048;
constexpr double kTickGapTargetMs = 150;

// One queue a phase, all on the same driver, so that each phase's jobs can
// be counted and forgotten on their own.
const QString kRunQueue = QStringLiteral("run300");
const QString kLibcupsQueue = QStringLiteral("libcups300");
const QString kLpQueue = QStringLiteral("lp300");
const QString kDriver = QStringLiteral("tavelo-test-300.ppd");

struct TRunFigures {
    std::vector<double> pageMs;
    std::optional<long> peakAfterFirstKib;
    std::optional<long> peakAfterLastKib;
    double longestTickGapMs = 0;
};

TRunFigures TimeRun(const QString &queue)
{
    TPrinter printer;
    QPrinter choice;
    choice.setPrinterName(queue);
    printer.Assign(choice);

    TRunFigures figures;
    TTimedTarget timed(printer, [&figures](int pagesDone) {
        if (pagesDone == 1)
            figures.peakAfterFirstKib = PeakResidentKib();
        if (pagesDone == kPages)
            figures.peakAfterLastKib = PeakResidentKib();
    });
    TTickGaps ticks(kTickIntervalMs);
    ticks.Start();
    RunPrint(timed, [] { return kPages; }, [] { return TScoreKind::skFullScore; }, kLineWidth);
    ticks.Stop();

    if (!figures.peakAfterFirstKib || !figures.peakAfterLastKib)
        throw std::runtime_error("the kernel does not report VmHWM");
    figures.pageMs = timed.PageMs();
    figures.longestTickGapMs = ticks.LongestGapMs();
    return figures;
}

std::vector<double> TimeLibcups(const QString &queue, const QString &pdf)
{
    const QByteArray name = queue.toLocal8Bit();
    const QByteArray file = pdf.toLocal8Bit();
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < kPages; ++i) {
        clock.start();
        const int job = cupsPrintFile(name.constData(), file.constData(), "", 0, nullptr);
        ms.push_back(clock.nsecsElapsed() / 1e6);
        if (job == 0)
            throw std::runtime_error(std::string("cupsPrintFile: ") + cupsLastErrorString());
    }
    return ms;
}

std::vector<double> TimeLp(const QString &queue, const QString &pdf)
{
    const QString lp = findProgram(QStringLiteral("lp"));
    if (lp.isEmpty())
        throw std::runtime_error("lp not found");
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < kPages; ++i) {
        clock.start();
        process.start(lp, {QStringLiteral("-d"), queue, QStringLiteral("--"), pdf});
        const bool finished = process.waitForFinished(kLpTimeoutMs);
        ms.push_back(clock.nsecsElapsed() / 1e6);
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            throw std::runtime_error("lp failed: " + process.readAllStandardError().trimmed().toStdString());
    }
    return ms;
}

void Settle(const PrivateCupsd &cupsd, const QString &queue)
{
    if (!SettleQueue(cupsd, queue, kPages))
        throw std::runtime_error("the jobs on " + queue.toStdString() + " did not all go through");
}

void Report(const TRunFigures &run, const TTimings &libcups, const TTimings &lp)
{
    const TTimings page = Summarise(run.pageMs);
    const double growthKib = double(*run.peakAfterLastKib - *run.peakAfterFirstKib);
    const double libcupsRatio = page.median / libcups.median;
    const double lpRatio = page.median / lp.median;

    TFigureTable table(QStringLiteral("Print run: %1 pages, full score, width %2, 300 dpi queue")
                           .arg(kPages)
                           .arg(kLineWidth));
    table.Add(QStringLiteral("run, per page: median"), Milliseconds(page.median));
    table.Add(QStringLiteral("run, per page: maximum"), Milliseconds(page.maximum));
    table.Add(QStringLiteral("libcups cupsPrintFile, per page: median"), Milliseconds(libcups.median));
    table.Add(QStringLiteral("libcups cupsPrintFile, per page: maximum"), Milliseconds(libcups.maximum));
    table.Add(QStringLiteral("lp, per page: median"), Milliseconds(lp.median));
    table.Add(QStringLiteral("lp, per page: maximum"), Milliseconds(lp.maximum));
    table.Add(QStringLiteral("run median / libcups median"), QString::number(libcupsRatio, 'f', 2),
              QStringLiteral("<= %1").arg(kLibcupsRatioTarget), libcupsRatio <= kLibcupsRatioTarget);
    table.Add(QStringLiteral("run median / lp median"), QString::number(lpRatio, 'f', 2),
              QStringLiteral("<= %1").arg(kLpRatioTarget), lpRatio <= kLpRatioTarget);
    table.Add(QStringLiteral("peak memory (VmHWM) after page 1"), Mebibytes(*run.peakAfterFirstKib));
    table.Add(QStringLiteral("peak memory (VmHWM) after page %1").arg(kPages), Mebibytes(*run.peakAfterLastKib));
    table.Add(QStringLiteral("peak memory growth"), Mebibytes(growthKib), QStringLiteral("<= 2.00 MiB"),
              growthKib <= kGrowthTargetKib);
    table.Add(QStringLiteral("longest gap of a %1 ms timer").arg(kTickIntervalMs), Milliseconds(run.longestTickGapMs),
              QStringLiteral("<= %1 ms").arg(kTickGapTargetMs), run.longestTickGapMs <= kTickGapTargetMs);
    table.Print();
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // First of all: it points CUPS, HOME and the runtime folder at its own.
    PrivateCupsd cupsd;
    QApplication application(argc, argv);
    try {
        if (!cupsd.setMaxJobs(kMaxJobs) || !cupsd.addQueue(kRunQueue, kDriver)
            || !cupsd.addQueue(kLibcupsQueue, kDriver) || !cupsd.addQueue(kLpQueue, kDriver))
            throw std::runtime_error("the private queues could not be set up");

        const TRunFigures run = TimeRun(kRunQueue);
        Settle(cupsd, kRunQueue);
        const QString page = cupsd.receivedJobs(kRunQueue).constFirst();

        const TTimings libcups = Summarise(TimeLibcups(kLibcupsQueue, page));
        Settle(cupsd, kLibcupsQueue);
        const TTimings lp = Summarise(TimeLp(kLpQueue, page));
        Settle(cupsd, kLpQueue);

        Report(run, libcups, lp);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_printrun: could not measure: %s\n", error.what());
        return 1;
    }
    return 0;
}
