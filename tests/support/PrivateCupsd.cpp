#include "PrivateCupsd.h"

#include "Command.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtGlobal>

#include <csignal>

#include <sys/prctl.h>
#include <sys/un.h>

namespace {

constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions kTraversable = kOwnerOnly | QFileDevice::ReadGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

// cupsd starts every backend through its cups-exec helper, which it looks for
// in ServerBin; ours holds only our backend, so the helper is borrowed.
const QString kSystemCupsExec = QStringLiteral("/usr/lib/cups/daemon/cups-exec");

constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 10000;
constexpr int kPollIntervalMs = 50;

} // namespace

PrivateCupsd::PrivateCupsd()
    : root_(QDir::tempPath() + QStringLiteral("/tavelo-cupsd-XXXXXX"))
{
    if (!root_.isValid())
        giveUp(QStringLiteral("cannot create a temporary folder: ") + root_.errorString());
    if (socketPath().toLocal8Bit().size() >= qsizetype(sizeof(sockaddr_un::sun_path)))
        giveUp(QStringLiteral("socket path too long for a Unix socket: ") + socketPath());

    // A root cupsd runs filters, and backends that others may execute, as
    // lp; such a child must be able to reach the files inside.
    QFile::setPermissions(rootPath(), kTraversable);

    makeFolders();
    installBackend();
    setEnvironment();
    if (!start())
        giveUp(QStringLiteral("the scheduler did not come up; see the warning above"));
}

PrivateCupsd::~PrivateCupsd()
{
    stop();
    restoreEnvironment();
}

QString PrivateCupsd::rootPath() const
{
    return QFileInfo(root_.path()).absoluteFilePath();
}

QString PrivateCupsd::socketPath() const
{
    return path(QStringLiteral("cups.sock"));
}

qint64 PrivateCupsd::pid() const
{
    return cupsd_.processId();
}

QString PrivateCupsd::errorLog() const
{
    QFile log(path(QStringLiteral("log/error_log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QString PrivateCupsd::path(const QString &relative) const
{
    return rootPath() + QLatin1Char('/') + relative;
}

// qFatal skips destructors, so the scheduler and folder are cleared first.
void PrivateCupsd::giveUp(const QString &why)
{
    stop();
    restoreEnvironment();
    root_.remove();
    qFatal("PrivateCupsd: %s", qPrintable(why));
}

void PrivateCupsd::writeFile(const QString &relative, const QString &text)
{
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
        giveUp(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
}

void PrivateCupsd::makeFolders()
{
    const QStringList folders{"etc", "log", "spool/tmp", "cache", "state", "bin/backend",
                              "bin/daemon", "client", "home", "runtime", "jobs"};
    for (const QString &folder : folders) {
        if (!QDir().mkpath(path(folder)))
            giveUp(QStringLiteral("cannot create ") + path(folder));
    }
    // Qt insists on a private runtime folder and warns otherwise.
    QFile::setPermissions(path(QStringLiteral("runtime")), kOwnerOnly);
    writeFile(QStringLiteral("client/client.conf"),
              QStringLiteral("ServerName %1\n").arg(socketPath()));
}

void PrivateCupsd::installBackend()
{
    // A backend that only its owner may run is run by cupsd as its owner:
    // as root when we are root, which spares the jobs folders any
    // permission games, and as ourselves otherwise.
    const QString backend = path(QStringLiteral("bin/backend/tavelo-capture"));
    if (!QFile::copy(QStringLiteral(TAVELO_TEST_CUPS_DIR "/tavelo-capture"), backend)
        || !QFile::setPermissions(backend, kOwnerOnly))
        giveUp(QStringLiteral("cannot install the backend as ") + backend);
    if (!QFile::link(kSystemCupsExec, path(QStringLiteral("bin/daemon/cups-exec"))))
        giveUp(QStringLiteral("cannot link ") + kSystemCupsExec);
}

void PrivateCupsd::writeConfiguration()
{
    // DirtyCleanInterval 0 writes printers.conf at once, so queues and the
    // default survive even a scheduler that had to be killed.
    const QString cupsdConf = QStringLiteral(R"(Listen %1
Browsing Off
BrowseLocalProtocols none
WebInterface No
DefaultShared No
LogLevel debug
MaxLogSize 0
DirtyCleanInterval 0
MaxJobs %2
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
)")
                                  .arg(socketPath())
                                  .arg(maxJobs_);
    writeFile(QStringLiteral("etc/cupsd.conf"), cupsdConf);

    // Every place cupsd would otherwise write to, including the printcap and
    // TLS keys, is inside our folder. Nothing here depends on who runs it:
    // a cupsd that is not root ignores User and Group and runs everything as
    // its own user.
    const QString filesConf = QStringLiteral(R"(ServerRoot %1/etc
StateDir %1/state
CacheDir %1/cache
RequestRoot %1/spool
TempDir %1/spool/tmp
ServerBin %1/bin
DataDir /usr/share/cups
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
PageLog %1/log/page_log
Printcap %1/printcap
ServerKeychain %1/state/ssl
CreateSelfSignedCerts no
)")
                                  .arg(rootPath());
    writeFile(QStringLiteral("etc/cups-files.conf"), filesConf);
}

void PrivateCupsd::setEnvironment()
{
    const auto set = [this](const char *name, const std::optional<QByteArray> &value) {
        savedEnvironment_.append({name, qEnvironmentVariableIsSet(name)
                                            ? std::optional<QByteArray>(qgetenv(name))
                                            : std::nullopt});
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    };
    set("CUPS_SERVER", socketPath().toLocal8Bit());
    set("CUPS_SERVERROOT", path(QStringLiteral("client")).toLocal8Bit());
    set("HOME", path(QStringLiteral("home")).toLocal8Bit());
    set("XDG_RUNTIME_DIR", path(QStringLiteral("runtime")).toLocal8Bit());
    set("PRINTER", std::nullopt);
    set("LPDEST", std::nullopt);
}

void PrivateCupsd::restoreEnvironment()
{
    while (!savedEnvironment_.isEmpty()) {
        const auto [name, value] = savedEnvironment_.takeLast();
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

bool PrivateCupsd::run(const QString &program, const QStringList &arguments) const
{
    const CommandResult result = runCommand(program, arguments);
    if (!result.ok())
        qWarning("PrivateCupsd: %s", qPrintable(result.describe()));
    return result.ok();
}

bool PrivateCupsd::start()
{
    writeConfiguration();
    cupsd_.setProgram(findProgram(QStringLiteral("cupsd")));
    cupsd_.setArguments({"-f", "-c", path(QStringLiteral("etc/cupsd.conf")), "-s",
                         path(QStringLiteral("etc/cups-files.conf"))});
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    // A test that crashes or is killed must not leave a scheduler behind.
    cupsd_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.start();
    if (waitUntilRunning())
        return true;

    qWarning("PrivateCupsd: cupsd did not answer (%s)\ncupsd said: %s\nerror_log ends:\n%s",
             qPrintable(cupsd_.errorString()), cupsd_.readAll().constData(),
             qPrintable(errorLog().right(8000)));
    stop();
    return false;
}

bool PrivateCupsd::waitUntilRunning()
{
    if (!cupsd_.waitForStarted())
        return false;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        const CommandResult status = runCommand(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        if (status.ok() && status.out.contains("scheduler is running"))
            return true;
        if (cupsd_.waitForFinished(kPollIntervalMs))
            return false;
    }
    return false;
}

void PrivateCupsd::stop()
{
    if (cupsd_.state() == QProcess::NotRunning)
        return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(kStopTimeoutMs)) {
        cupsd_.kill();
        cupsd_.waitForFinished();
    }
}

bool PrivateCupsd::setMaxJobs(int maxJobs)
{
    maxJobs_ = maxJobs;
    stop();
    return start();
}

bool PrivateCupsd::addQueue(const QString &name, const QString &ppdFileName)
{
    if (!QDir().mkpath(jobsFolder(name)))
        return false;
    QStringList arguments{"-p", name, "-E", "-v", "tavelo-capture:" + jobsFolder(name)};
    if (!ppdFileName.isEmpty())
        arguments << "-P" << QDir(QStringLiteral(TAVELO_TEST_CUPS_DIR)).filePath(ppdFileName);
    return run(QStringLiteral("lpadmin"), arguments);
}

bool PrivateCupsd::deleteQueue(const QString &name)
{
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
}

bool PrivateCupsd::setDefault(const QString &name)
{
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
}

bool PrivateCupsd::reject(const QString &name)
{
    return run(QStringLiteral("cupsreject"), {name});
}

bool PrivateCupsd::accept(const QString &name)
{
    return run(QStringLiteral("cupsaccept"), {name});
}

bool PrivateCupsd::disable(const QString &name)
{
    return run(QStringLiteral("cupsdisable"), {name});
}

bool PrivateCupsd::enable(const QString &name)
{
    return run(QStringLiteral("cupsenable"), {name});
}

QString PrivateCupsd::jobsFolder(const QString &queue) const
{
    return path(QStringLiteral("jobs/") + queue);
}

QStringList PrivateCupsd::receivedJobs(const QString &queue) const
{
    const QDir folder(jobsFolder(queue));
    QStringList paths;
    for (const QString &name : folder.entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

QHash<QString, QString> PrivateCupsd::receivedOptions(const QString &pdfPath)
{
    const QFileInfo pdf(pdfPath);
    QFile file(pdf.dir().filePath(pdf.completeBaseName() + QStringLiteral(".options")));
    QHash<QString, QString> options;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return options;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            options.insert(line.left(equals), line.mid(equals + 1));
    }
    return options;
}

bool PrivateCupsd::waitForJobs(const QString &queue, int count, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (receivedJobs(queue).size() < count) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollIntervalMs);
    }
    return true;
}

bool PrivateCupsd::waitUntilIdle(int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const CommandResult jobs = runCommand(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        if (jobs.ok() && jobs.out.trimmed().isEmpty())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollIntervalMs);
    }
}
