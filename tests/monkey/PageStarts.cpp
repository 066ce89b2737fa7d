#include "PageStarts.h"

#include <QEvent>
#include <QRegularExpression>
#include <QWidget>

PageStarts::PageStarts(QWidget &mainWindow)
{
    mainWindow.installEventFilter(this);
}

bool PageStarts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange)
        Seen(static_cast<QWidget *>(watched)->windowTitle());
    return false;
}

void PageStarts::Seen(const QString &title)
{
    if (title == QLatin1String("Tavelo")) {
        m_page = 0;
        return;
    }
    static const QRegularExpression progress(QStringLiteral("^Tavelo - page ([1-9][0-9]*) of ([1-9][0-9]*)$"));
    const QRegularExpressionMatch match = progress.match(title);
    if (!match.hasMatch()) {
        m_broken.append(QStringLiteral("title \"%1\"").arg(title));
        return;
    }
    const int page = match.captured(1).toInt();
    const int counter = match.captured(2).toInt();
    // The same page again: the counter changed while it printed.
    if (page == m_page)
        return;
    if (page != m_page + 1)
        m_broken.append(QStringLiteral("page %1 started after page %2").arg(page).arg(m_page));
    // A run goes on only while it has started fewer pages than the counter.
    if (page > counter)
        m_broken.append(QStringLiteral("page %1 started with the counter at %2").arg(page).arg(counter));
    m_page = page;
    ++m_count;
}
