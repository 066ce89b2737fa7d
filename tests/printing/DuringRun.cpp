#include "DuringRun.h"

#include "Printer.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace {

void WhenServed(std::function<bool()> ready, std::function<void()> act)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, ready = std::move(ready), act = std::move(act)] {
        if (!Printer().Printing() || !ready())
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start();
}

}  // namespace

void AtPage(const QWidget &mainWindow, int page, std::function<void()> act)
{
    const QString title = QStringLiteral("Tavelo - page %1 of").arg(page);
    WhenServed([window = QPointer<const QWidget>(&mainWindow), title] {
        return window && window->windowTitle().startsWith(title);
    }, std::move(act));
}

void WhilePrinting(std::function<void()> act)
{
    WhenServed([] { return true; }, std::move(act));
}
