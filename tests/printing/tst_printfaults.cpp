// Faults of the print system, each through the real Print command: what the
// user sees, exactly which jobs arrive, and that the next Print after the
// fault is gone works as usual.
#include "DuringRun.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "PdfReader.h"
#include "Printer.h"
#include "PrivateCupsd.h"
#include "TestWindows.h"

#include <QDir>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

const QString kQueue = QStringLiteral("score");

// When a fault strikes, relative to the Print command.
enum class When { BeforePrint, InTheDialog, DuringPage2 };

struct Fault {
    std::function<bool(PrivateCupsd &)> inject;
    std::function<bool(PrivateCupsd &)> remove;
};

}  // namespace

Q_DECLARE_METATYPE(When)
Q_DECLARE_METATYPE(Fault)

class TestPrintFaults : public QObject {
    Q_OBJECT

    // Qt's temporary print files go here, so a test can see none is left.
    QTemporaryDir temporaryFiles;
    const bool temporaryFilesInPlace = qputenv("TMPDIR", temporaryFiles.path().toLocal8Bit());
    PrivateCupsd cupsd;  // before any call to the print system in this process
    std::unique_ptr<TestWindows> windows;
    TForm1 *form1 = nullptr;

    QStringList Jobs() const { return cupsd.receivedJobs(kQueue); }

    // Presses Print, confirms the dialog, and returns the error the user saw
    // (empty when none). `act` runs at the moment given by `when`.
    QString Print(int pages, When when = When::BeforePrint, const std::function<void()> &act = {})
    {
        form1->Label2.SetCaption(QString::number(pages));
        if (when == When::BeforePrint && act)
            act();
        WhenModalShows<QPrintDialog>([when, act](QPrintDialog &dialog) {
            if (when == When::InTheDialog && act)
                act();
            QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
        });
        if (when == When::DuringPage2 && act)
            AtPage(*form1, 2, act);
        MessageAnswerer messages;
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        return messages.texts.join(QLatin1Char('\n'));
    }

    // Every received job is whole: one page, and no half-written file beside it.
    void CheckNothingHalfMade()
    {
        for (const QString &job : Jobs())
            QCOMPARE(PdfReader::pageCount(job), 1);
        const QStringList inJobsFolder = QDir(cupsd.jobsFolder(kQueue)).entryList(QDir::Files | QDir::Hidden);
        for (const QString &file : inJobsFolder)
            QVERIFY2(file.endsWith(QLatin1String(".pdf")) || file.endsWith(QLatin1String(".options")), qPrintable(file));
        const QStringList leftBehind = QDir(temporaryFiles.path())
                                           .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                                           .filter(QRegularExpression(QStringLiteral("^(?!tavelo-cupsd-)")));
        QVERIFY2(leftBehind.isEmpty(), qPrintable(leftBehind.join(QLatin1Char(' '))));
    }

    // Once a fault is gone, Print works as usual.
    void CheckNormalRunAfterwards()
    {
        const int before = Jobs().size();
        QCOMPARE(Print(2), QString());
        QVERIFY(cupsd.waitForJobs(kQueue, before + 2));
        QTest::qWait(200);
        QCOMPARE(Jobs().size(), before + 2);
        CheckNothingHalfMade();
    }

private slots:
    void init()
    {
        QVERIFY(temporaryFilesInPlace);
        windows = std::make_unique<TestWindows>();
        form1 = &windows->form1;
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
    }

    void cleanup()
    {
        windows.reset();
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Before any queue has a default, Print refuses before the dialog.
    void noDefaultPrinter_data()
    {
        QTest::addColumn<bool>("anyQueue");
        QTest::newRow("no printer at all") << false;
        QTest::newRow("queues but no default") << true;
    }
    void noDefaultPrinter()
    {
        QFETCH(bool, anyQueue);
        if (anyQueue)
            QVERIFY(cupsd.addQueue(kQueue, QStringLiteral("tavelo-test-300.ppd")));
        bool dialogShown = false;
        const QPointer<QTimer> dialogWatch = WhenModalShows<QPrintDialog>([&](QPrintDialog &dialog) {
            dialogShown = true;
            dialog.reject();
        });
        MessageAnswerer messages;
        form1->Label2.SetCaption(QStringLiteral("1"));
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        delete dialogWatch.data();
        QCOMPARE(messages.texts, QStringList{"There is no default printer currently selected."});
        QVERIFY(!dialogShown);
        QVERIFY(Jobs().isEmpty());
    }

    void defaultPrinterArrives()
    {
        QVERIFY(cupsd.setDefault(kQueue));
        CheckNormalRunAfterwards();
    }

    // Each fault, what the user is told, and how many of its pages arrive.
    void faults_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<When>("when");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("message");  // a pattern; empty: no message
        QTest::addColumn<int>("received");

        const auto reject = [](PrivateCupsd &c) { return c.reject(kQueue); };
        const auto accept = [](PrivateCupsd &c) { return c.accept(kQueue); };
        const auto remove = [](PrivateCupsd &c) { return c.deleteQueue(kQueue); };
        const auto restore = [](PrivateCupsd &c) {
            return c.addQueue(kQueue, QStringLiteral("tavelo-test-300.ppd")) && c.setDefault(kQueue);
        };
        // Stopped once page 1 is out, so that no job is cut off half-way and
        // printed again on restart.
        const auto stopScheduler = [](PrivateCupsd &c) {
            const bool idle = c.waitUntilIdle();
            c.stop();
            return idle;
        };
        const auto startScheduler = [](PrivateCupsd &c) { return c.start(); };
        const auto disable = [](PrivateCupsd &c) { return c.disable(kQueue); };
        const auto enable = [](PrivateCupsd &c) { return c.enable(kQueue); };
        const auto pileUp = [](PrivateCupsd &c) { return c.setMaxJobs(2) && c.disable(kQueue); };
        // The limit goes back while the jobs still wait, so that the restart
        // cuts none of them off.
        const auto drain = [](PrivateCupsd &c) { return c.setMaxJobs(500) && c.enable(kQueue); };
        const QString refused = QStringLiteral("^Page %1 was not printed: Destination \"score\" is not accepting jobs\\.$");

        QTest::newRow("queue rejects from the start")
            << Fault{reject, accept} << When::BeforePrint << 3 << refused.arg(1) << 0;
        QTest::newRow("queue starts rejecting during a run")
            << Fault{reject, accept} << When::DuringPage2 << 4 << refused.arg(2) << 1;
        QTest::newRow("queue deleted between the dialog and the run")
            << Fault{remove, restore} << When::InTheDialog << 2 << "^Printer selected is not valid\\.$" << 0;
        QTest::newRow("queue chosen last deleted before Print")
            << Fault{remove, restore} << When::BeforePrint << 2 << "^Printer selected is not valid\\.$" << 0;
        QTest::newRow("scheduler stopped during a run")
            << Fault{stopScheduler, startScheduler} << When::DuringPage2 << 4 << "^Page 2 was not printed: The print system does not answer \\(.+\\)\\.$" << 1;
        QTest::newRow("too many jobs waiting")
            << Fault{pileUp, drain} << When::BeforePrint << 4 << "^Page 3 was not printed: Too many active jobs\\.$" << 2;
        QTest::newRow("stopped queue holds the jobs") << Fault{disable, enable} << When::BeforePrint << 3 << "" << 3;
    }
    void faults()
    {
        QFETCH(Fault, fault);
        QFETCH(When, when);
        QFETCH(int, pages);
        QFETCH(QString, message);
        QFETCH(int, received);

        // Jobs still in the scheduler would count against its limits.
        QVERIFY(cupsd.waitUntilIdle());
        const int before = Jobs().size();
        bool injected = false;
        const QString seen = Print(pages, when, [&] { injected = fault.inject(cupsd); });
        QVERIFY(injected);
        QVERIFY2(message.isEmpty() ? seen.isEmpty() : QRegularExpression(message).match(seen).hasMatch(), qPrintable(seen));
        QCOMPARE(form1->windowTitle(), QStringLiteral("Tavelo"));

        QVERIFY(fault.remove(cupsd));
        if (received > 0)
            QVERIFY(cupsd.waitForJobs(kQueue, before + received));
        QTest::qWait(300);
        QCOMPARE(Jobs().size(), before + received);
        CheckNothingHalfMade();
        CheckNormalRunAfterwards();
    }
};

TAVELO_GUI_TEST_MAIN(TestPrintFaults)
#include "tst_printfaults.moc"
