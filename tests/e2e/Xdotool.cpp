#include "Xdotool.h"

#include "Command.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QThread>

namespace Xdotool {

namespace {

constexpr int kPollIntervalMs = 50;

CommandResult xdotool(const QStringList &arguments)
{
    return runCommand(QStringLiteral("xdotool"), arguments);
}

QString output(const QStringList &arguments)
{
    const CommandResult result = xdotool(arguments);
    return result.ok() ? QString::fromLocal8Bit(result.out).trimmed() : QString();
}

bool succeeds(const QStringList &arguments)
{
    const CommandResult result = xdotool(arguments);
    if (!result.ok())
        qWarning("Xdotool: %s", qPrintable(result.describe()));
    return result.ok();
}

template<typename Condition>
bool waitFor(Condition condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollIntervalMs);
    }
    return true;
}

} // namespace

QStringList visibleWindows(const QString &namePattern)
{
    return output({"search", "--onlyvisible", "--name", namePattern}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::optional<QString> waitForActiveWindow(const QString &namePattern, int timeoutMs)
{
    QString found;
    const bool active = waitFor(
        [&] {
            const QStringList windows = visibleWindows(namePattern);
            if (windows.size() != 1 || output({"getactivewindow"}) != windows.constFirst())
                return false;
            found = windows.constFirst();
            return true;
        },
        timeoutMs);
    return active ? std::optional<QString>(found) : std::nullopt;
}

bool waitUntilNoWindow(const QString &namePattern, int timeoutMs)
{
    return waitFor([&] { return visibleWindows(namePattern).isEmpty(); }, timeoutMs);
}

QRect geometry(const QString &window)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^X=(\\d+)\\nY=(\\d+)\\nWIDTH=(\\d+)\\nHEIGHT=(\\d+)"),
                           QRegularExpression::MultilineOption)
            .match(output({"getwindowgeometry", "--shell", window}));
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(), match.captured(4).toInt()};
}

bool key(const QString &keys)
{
    return succeeds({"key", keys});
}

bool type(const QString &text)
{
    return succeeds({"type", text});
}

bool click(const QString &window, QPoint at)
{
    // Without --sync, which can stall for seconds when the pointer is already
    // where it is sent; the X server keeps the move before the click anyway.
    return succeeds({"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y()),
                     "click", "1"});
}

bool parkPointer()
{
    return succeeds({"mousemove", "0", "0"});
}

QString describeScreen()
{
    QStringList lines{QStringLiteral("visible windows:")};
    for (const QString &window : visibleWindows(QStringLiteral("."))) {
        const QRect at = geometry(window);
        lines << QStringLiteral("  %1 \"%2\" %3x%4+%5+%6")
                     .arg(window, output({"getwindowname", window}))
                     .arg(at.width())
                     .arg(at.height())
                     .arg(at.x())
                     .arg(at.y());
    }
    lines << QStringLiteral("active window: %1").arg(output({"getactivewindow"}));
    return lines.join(QLatin1Char('\n'));
}

} // namespace Xdotool
