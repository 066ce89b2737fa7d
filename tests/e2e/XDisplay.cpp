#include "XDisplay.h"

#include "Command.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <csignal>

#include <sys/prctl.h>

namespace {

// Well above the numbers a desktop or another tool picks for itself.
constexpr int kFirstNumber = 90;
constexpr int kNumbersTried = 100;
constexpr int kAnswerTimeoutMs = 20000;
constexpr int kStopTimeoutMs = 5000;
constexpr int kPollIntervalMs = 50;

bool numberInUse(int number)
{
    return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
        || QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number));
}

// Another test's server may answer on the number our Xvfb failed to take;
// the lock file names the server that holds the display.
bool lockedBy(int number, qint64 pid)
{
    QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(number));
    return lock.open(QIODevice::ReadOnly) && lock.readAll().trimmed().toLongLong() == pid;
}

// A test that crashes or is killed must not leave a server behind.
void dieWithTheTest(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void end(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(kStopTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}

// Polls `program arguments` until its output holds `answer`, for as long as
// `server` runs.
bool waitForAnswer(QProcess &server, const QString &program, const QStringList &arguments,
                   const QByteArray &answer)
{
    const QDeadlineTimer deadline(kAnswerTimeoutMs);
    while (!deadline.hasExpired()) {
        const CommandResult result = runCommand(program, arguments);
        if (result.ok() && result.out.contains(answer))
            return true;
        if (server.waitForFinished(kPollIntervalMs))
            return false;
    }
    return false;
}

} // namespace

XDisplay::~XDisplay()
{
    stop();
}

QString XDisplay::name() const
{
    return QStringLiteral(":%1").arg(number_);
}

QString XDisplay::start()
{
    // Another test may take a number between our look and our Xvfb's start;
    // ours then fails and the next number is tried.
    for (int number = kFirstNumber; number < kFirstNumber + kNumbersTried && number_ < 0; ++number) {
        if (!numberInUse(number) && startServer(number))
            number_ = number;
    }
    if (number_ < 0)
        return QStringLiteral("no Xvfb came up on displays :%1 to :%2").arg(kFirstNumber).arg(kFirstNumber + kNumbersTried - 1);

    savedDisplay_ = qEnvironmentVariableIsSet("DISPLAY") ? std::optional<QByteArray>(qgetenv("DISPLAY")) : std::nullopt;
    qputenv("DISPLAY", name().toLocal8Bit());
    displaySet_ = true;

    if (!startWindowManager())
        return QStringLiteral("openbox did not come up on %1: %2").arg(name(), QString::fromLocal8Bit(openbox_.readAll()));
    return {};
}

bool XDisplay::startServer(int number)
{
    const QString display = QStringLiteral(":%1").arg(number);
    xvfb_.setProgram(QStringLiteral("Xvfb"));
    // -noreset: the server would otherwise reset when xdpyinfo, its first
    // client, leaves, and refuse openbox while it does.
    const QString screen = QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight);
    xvfb_.setArguments({display, "-screen", "0", screen, "-nolisten", "tcp", "-noreset"});
    xvfb_.setProcessChannelMode(QProcess::MergedChannels);
    dieWithTheTest(xvfb_);
    xvfb_.start();
    if (xvfb_.waitForStarted()
        && waitForAnswer(xvfb_, QStringLiteral("xdpyinfo"), {"-display", display}, "dimensions:")
        && lockedBy(number, xvfb_.processId()))
        return true;
    qWarning("XDisplay: Xvfb %s did not answer: %s", qPrintable(display), xvfb_.readAll().constData());
    end(xvfb_);
    return false;
}

// openbox is ready once it has claimed the display for itself.
bool XDisplay::startWindowManager()
{
    openbox_.setProgram(QStringLiteral("openbox"));
    openbox_.setArguments({QStringLiteral("--sm-disable")});
    openbox_.setProcessChannelMode(QProcess::MergedChannels);
    dieWithTheTest(openbox_);
    openbox_.start();
    return openbox_.waitForStarted()
        && waitForAnswer(openbox_, QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}, "window id");
}

void XDisplay::stop()
{
    end(openbox_);
    end(xvfb_);
    if (!displaySet_)
        return;
    if (savedDisplay_)
        qputenv("DISPLAY", *savedDisplay_);
    else
        qunsetenv("DISPLAY");
    displaySet_ = false;
}
