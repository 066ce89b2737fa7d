#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>
#include <utility>

// A CUPS scheduler of the test's own, listening only on a socket in a
// temporary folder, so tests print for real without touching the machine's
// printers. Every queue sends its jobs to the tavelo-capture backend, which
// keeps each received document as jobsFolder(queue)/job-NNNNN.pdf.
//
// Construct it before the process makes any CUPS call: libcups reads
// CUPS_SERVER and CUPS_SERVERROOT once per thread and caches them. A process
// that calls libcups itself (QPrinter does) must therefore keep one instance
// for its whole life and vary the state with stop()/start(), deleteQueue()
// and fresh queue names; one that only runs lp and friends, which read the
// environment afresh, may make a new one per test.
//
// It works as root (the backend then runs as root) and as an ordinary user
// (cupsd then runs everything as that user). Failing to start is fatal, with
// the scheduler's log in the message; the queue methods return false and
// log why.
class PrivateCupsd
{
public:
    PrivateCupsd();
    ~PrivateCupsd();

    PrivateCupsd(const PrivateCupsd &) = delete;
    PrivateCupsd &operator=(const PrivateCupsd &) = delete;

    QString rootPath() const;
    QString socketPath() const;
    qint64 pid() const;
    QString errorLog() const;

    // ppdFileName is looked up in tests/cups unless absolute; empty makes a
    // raw queue.
    [[nodiscard]] bool addQueue(const QString &name, const QString &ppdFileName = {});
    [[nodiscard]] bool deleteQueue(const QString &name);
    [[nodiscard]] bool setDefault(const QString &name);
    [[nodiscard]] bool reject(const QString &name);
    [[nodiscard]] bool accept(const QString &name);
    [[nodiscard]] bool disable(const QString &name);
    [[nodiscard]] bool enable(const QString &name);

    // Queues, the default and pending jobs survive a stop and start.
    void stop();
    [[nodiscard]] bool start();
    [[nodiscard]] bool setMaxJobs(int maxJobs);

    QString jobsFolder(const QString &queue) const;
    QStringList receivedJobs(const QString &queue) const;
    // The backend's record of a job: keys copies, title and options (the
    // CUPS options string, "name=value" pairs separated by spaces).
    static QHash<QString, QString> receivedOptions(const QString &pdfPath);
    // Jobs reach the backend asynchronously after lp or QPrinter returns.
    bool waitForJobs(const QString &queue, int count, int timeoutMs = 10000) const;
    // Until the scheduler holds no job that is waiting or printing.
    bool waitUntilIdle(int timeoutMs = 30000) const;

private:
    QString path(const QString &relative) const;
    [[noreturn]] void giveUp(const QString &why);
    void writeFile(const QString &relative, const QString &text);
    void makeFolders();
    void installBackend();
    void writeConfiguration();
    void setEnvironment();
    void restoreEnvironment();
    bool run(const QString &program, const QStringList &arguments) const;
    bool waitUntilRunning();

    QTemporaryDir root_;
    QProcess cupsd_;
    int maxJobs_ = 500;
    QList<std::pair<QByteArray, std::optional<QByteArray>>> savedEnvironment_;
};
