#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct CommandResult
{
    QString commandLine;
    int exitCode = -1; // also -1 when the program could not start, crashed or timed out
    QByteArray out;
    QByteArray err;

    bool ok() const { return exitCode == 0; }
    QString describe() const;
};

// The CUPS admin tools live in sbin, which an ordinary user's PATH often
// lacks, so those folders are searched after PATH.
QString findProgram(const QString &name);

CommandResult runCommand(const QString &program, const QStringList &arguments,
                         int timeoutMs = 30000);
