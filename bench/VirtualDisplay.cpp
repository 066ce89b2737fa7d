#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 5000;

}  // namespace

TVirtualDisplay::TVirtualDisplay()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return;
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The server writes the display number it took to the descriptor given,
    // once it accepts connections.
    m_server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                          QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp")});
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_server.canReadLine() && !deadline.hasExpired())
        m_server.waitForReadyRead(int(deadline.remainingTime()));
    const QByteArray number = m_server.readLine().trimmed();
    if (!number.isEmpty())
        m_name = QLatin1Char(':') + QString::fromLatin1(number);
}

TVirtualDisplay::~TVirtualDisplay()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(kStopTimeoutMs)) {
        m_server.kill();
        m_server.waitForFinished();
    }
}
