// Start-up: the time from starting the program to its main window on the
// screen, beside the same for a minimal Qt widgets program.
//
// Both run on an X server of our own (Xvfb) with no window manager, so a
// top-level window is mapped straight onto the root window; the benchmark
// listens on the root for that MapNotify and takes it as "shown". The
// event arrives as the server maps the window, so nothing is polled and no
// helper process stands between the two clocks, and it needs nothing from
// the program measured. The clock starts just before the process is started.
// The two programs alternate, each round starting with the other, so that
// drift in the machine's load falls on both alike. Both see the same
// environment, a private print system with a default queue included, as a
// desktop with a printer would give them.
#include "Figures.h"
#include "MapWatch.h"
#include "PrivateCupsd.h"
#include "VirtualDisplay.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kRuns = 15;
// Font caches and the like are filled on the first start, for both.
constexpr int kWarmUpRuns = 1;
constexpr int kShowTimeoutMs = 30000;
constexpr int kQuitTimeoutMs = 5000;
constexpr double kRatioTarget = 1.3;

struct TProgram {
    QString name;
    QString path;
    std::vector<double> shownMs;
};

double TimeToShown(const QString &path, const QProcessEnvironment &environment, TMapWatch &watch)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(path, {});
    if (!process.waitForStarted())
        throw std::runtime_error(path.toStdString() + " did not start: " + process.errorString().toStdString());
    const std::optional<qint64> shownNs = watch.WaitForWindowOf(process.processId(), clock, kShowTimeoutMs);
    process.terminate();
    if (!process.waitForFinished(kQuitTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    if (!shownNs)
        throw std::runtime_error(path.toStdString() + " showed no window");
    return *shownNs / 1e6;
}

void Report(const TProgram &program, const TProgram &yardstick)
{
    const TTimings mine = Summarise(program.shownMs);
    const TTimings minimal = Summarise(yardstick.shownMs);
    const double ratio = mine.median / minimal.median;
    TFigureTable table(QStringLiteral("Start-up to the main window mapped, %1 runs each, alternating, Xvfb").arg(kRuns));
    table.Add(program.name + QStringLiteral(": median"), Milliseconds(mine.median));
    table.Add(program.name + QStringLiteral(": maximum"), Milliseconds(mine.maximum));
    table.Add(yardstick.name + QStringLiteral(": median"), Milliseconds(minimal.median));
    table.Add(yardstick.name + QStringLiteral(": maximum"), Milliseconds(minimal.maximum));
    table.Add(program.name + QStringLiteral(" median / ") + yardstick.name + QStringLiteral(" median"),
              QString::number(ratio, 'f', 2), QStringLiteral("<= %1").arg(kRatioTarget), ratio <= kRatioTarget);
    table.Print();
}

}  // namespace

int main(int argc, char **argv)
{
    // First of all: it points CUPS, HOME and the runtime folder at its own,
    // for the programs started from here too.
    PrivateCupsd cupsd;
    QCoreApplication application(argc, argv);
    try {
        if (!cupsd.addQueue(QStringLiteral("music"), QStringLiteral("tavelo-test-300.ppd"))
            || !cupsd.setDefault(QStringLiteral("music")))
            throw std::runtime_error("the private queue could not be set up");
        const TVirtualDisplay display;
        if (display.Name().isEmpty())
            throw std::runtime_error("Xvfb did not start");
        TMapWatch watch(display.Name());
        if (!watch.Connected())
            throw std::runtime_error("cannot watch the display " + display.Name().toStdString());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display.Name());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));

        TProgram program{QStringLiteral("tavelo"), QStringLiteral(TAVELO_PROGRAM), {}};
        TProgram yardstick{QStringLiteral("minimal window"), QStringLiteral(MINIMAL_WINDOW_PROGRAM), {}};
        for (int round = 0; round < kWarmUpRuns + kRuns; ++round) {
            TProgram &first = round % 2 ? yardstick : program;
            TProgram &second = round % 2 ? program : yardstick;
            for (TProgram *measured : {&first, &second}) {
                const double ms = TimeToShown(measured->path, environment, watch);
                if (round >= kWarmUpRuns)
                    measured->shownMs.push_back(ms);
            }
        }
        Report(program, yardstick);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_startup: could not measure: %s\n", error.what());
        return 1;
    }
    return 0;
}
