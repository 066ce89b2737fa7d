#include "QueueSettle.h"

#include "Command.h"
#include "PrivateCupsd.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

// The scheduler works through a backlog of 500 jobs in well under this.
constexpr int kSettleTimeoutMs = 600000;
constexpr int kPollIntervalMs = 50;

bool JobsPending(const QString &queue)
{
    const CommandResult pending = runCommand(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue});
    return !pending.ok() || !pending.out.trimmed().isEmpty();
}

}  // namespace

bool SettleQueue(const PrivateCupsd &cupsd, const QString &queue, int count)
{
    if (!cupsd.waitForJobs(queue, count, kSettleTimeoutMs)) {
        qWarning("%s: only %lld of %d jobs arrived", qPrintable(queue),
                 static_cast<long long>(cupsd.receivedJobs(queue).size()), count);
        return false;
    }
    const QDeadlineTimer deadline(kSettleTimeoutMs);
    while (JobsPending(queue)) {
        if (deadline.hasExpired()) {
            qWarning("%s: jobs still pending", qPrintable(queue));
            return false;
        }
        QThread::msleep(kPollIntervalMs);
    }
    const CommandResult purge = runCommand(QStringLiteral("cancel"), {QStringLiteral("-a"), QStringLiteral("-x"), queue});
    if (!purge.ok())
        qWarning("%s", qPrintable(purge.describe()));
    return purge.ok();
}
