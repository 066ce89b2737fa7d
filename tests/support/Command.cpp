#include "Command.h"

#include <QProcess>
#include <QStandardPaths>

QString CommandResult::describe() const
{
    return QStringLiteral("`%1` exited with %2: %3")
        .arg(commandLine)
        .arg(exitCode)
        .arg(QString::fromLocal8Bit(err.trimmed()));
}

QString findProgram(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

CommandResult runCommand(const QString &program, const QStringList &arguments, int timeoutMs)
{
    CommandResult result;
    result.commandLine = (QStringList{program} + arguments).join(QLatin1Char(' '));

    const QString path = findProgram(program);
    if (path.isEmpty()) {
        result.err = "program not found";
        return result;
    }

    QProcess process;
    process.start(path, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.err = process.readAllStandardError() + "\n(timed out or failed to start)";
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}
