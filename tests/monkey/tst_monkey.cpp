// The monkey test: tens of thousands of random, seeded user events over both
// real windows while they print for real to a private scheduler. Nothing the
// user does may break the windows, show an error, or lose or double a page.
// TAVELO_MONKEY_SEED replays a run.
#include "GuiTestMain.h"
#include "Monkey.h"
#include "PageStarts.h"
#include "PdfReader.h"
#include "PrivateCupsd.h"
#include "TestWindows.h"

#include <QElapsedTimer>

namespace {

const QString kQueue = QStringLiteral("music");
constexpr quint32 kDefaultSeed = 20240611;
constexpr int kEvents = 30000;

// Thousands of random keys are mostly not taken by the widget they go to,
// and the offscreen platform cannot raise a window; the test log would fill
// with these and lose what matters.
QtMessageHandler testLogHandler = nullptr;

void DropExpectedNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("Keyboard event not accepted by receiving widget")
        || message.startsWith(QLatin1String("Mouse event \""))
        || message.startsWith(QLatin1String("This plugin does not support ")))
        return;
    testLogHandler(type, context, message);
}

quint32 Seed()
{
    bool given = false;
    const quint32 seed = qEnvironmentVariable("TAVELO_MONKEY_SEED").toUInt(&given);
    return given ? seed : kDefaultSeed;
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT

    PrivateCupsd cupsd;  // before any call to the print system in this process
    const quint32 seed = Seed();

    QString Failed(const QString &what) const
    {
        return QStringLiteral("seed %1 (replay with TAVELO_MONKEY_SEED=%1): %2").arg(seed).arg(what);
    }

private slots:
    void initTestCase()
    {
        qInfo("monkey seed %u", seed);
        QVERIFY(cupsd.addQueue(kQueue, QStringLiteral("tavelo-test-300.ppd")));
        QVERIFY(cupsd.setDefault(kQueue));
        testLogHandler = qInstallMessageHandler(DropExpectedNoise);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(testLogHandler);
    }

    void randomUserEvents()
    {
        TestWindows windows;
        windows.form1.show();
        QVERIFY(QTest::qWaitForWindowActive(&windows.form1));
        PageStarts pages(windows.form1);
        Monkey monkey(windows.form1, windows.form6, pages, seed, kEvents);

        QElapsedTimer clock;
        clock.start();
        monkey.Start();
        // The loop is back here only when no run, dialog or message is open.
        while (!monkey.EventsSent())
            QTest::qWait(50);
        monkey.Stop();
        qInfo("%d events in %lld s, %d pages started; answered: %s", kEvents, clock.elapsed() / 1000, pages.Count(),
              qPrintable(QDebug::toString(monkey.Answers())));

        QVERIFY2(monkey.Failures().isEmpty(), qPrintable(Failed(monkey.Failures().join(QStringLiteral("\n")))));
        QVERIFY2(pages.Count() > 0, qPrintable(Failed(QStringLiteral("no page printed"))));

        // Every page started reaches the scheduler as a job of its own, and
        // nothing else does.
        QVERIFY2(cupsd.waitUntilIdle(120000), qPrintable(Failed(QStringLiteral("the scheduler never got idle"))));
        const QStringList jobs = cupsd.receivedJobs(kQueue);
        QVERIFY2(jobs.size() == pages.Count(),
                 qPrintable(Failed(QStringLiteral("%1 pages started, %2 jobs received").arg(pages.Count()).arg(jobs.size()))));
        for (const QString &job : jobs) {
            const int pagesInJob = PdfReader::pageCount(job);
            QVERIFY2(pagesInJob == 1, qPrintable(Failed(QStringLiteral("%1 holds %2 pages").arg(job).arg(pagesInJob))));
        }
    }
};

TAVELO_GUI_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
