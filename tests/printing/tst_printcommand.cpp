// The Print command through the real main window: the print dialog, then
// the run on the chosen printer, with the windows live while it prints.
#include "DuringRun.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "PdfReader.h"
#include "Printer.h"
#include "PrivateCupsd.h"
#include "TestWindows.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace {

const QString kQueue = QStringLiteral("music");
const QString kOtherQueue = QStringLiteral("music600");

// What the 11th line's first ink row says of a 300 dpi page, width 2, once
// every line is seen to run from left x to right x of the printable area
// (which starts 75 pixels into the paper).
QString KindOfPage(const QString &pdf)
{
    const QList<PdfReader::InkRun> ink = PdfReader::inkRows(PdfReader::rasterize(pdf, 300));
    for (const PdfReader::InkRun &line : ink) {
        if (line.firstColumn != 180 + 75 || line.lastColumn != 2280 - 1 + 75)
            return QStringLiteral("a line from column %1 to %2").arg(line.firstColumn).arg(line.lastColumn);
    }
    if (ink.size() == 60 && ink.at(10).firstRow == 719)
        return QStringLiteral("full");
    if (ink.size() == 50 && ink.at(10).firstRow == 834)
        return QStringLiteral("short");
    return QStringLiteral("unexpected: %1 lines").arg(ink.size());
}

// Confirms (or cancels) the next print dialog once it is on screen, after
// letting the test look at it.
void AnswerNextPrintDialog(bool confirm, std::function<void(QPrintDialog &)> look = {})
{
    WhenModalShows<QPrintDialog>([confirm, look](QPrintDialog &dialog) {
        if (look)
            look(dialog);
        QMetaObject::invokeMethod(&dialog, confirm ? "accept" : "reject", Qt::QueuedConnection);
    });
}

}  // namespace

class TestPrintCommand : public QObject {
    Q_OBJECT

    PrivateCupsd cupsd;  // before any call to the print system in this process
    std::unique_ptr<TestWindows> windows;
    TForm1 *form1 = nullptr;
    TForm6 *form6 = nullptr;

    QStringList Jobs(const QString &queue = kQueue) const { return cupsd.receivedJobs(queue); }

    QStringList KindsOfNewJobs(int before, int expected)
    {
        if (!cupsd.waitForJobs(kQueue, before + expected))
            return {QStringLiteral("only %1 jobs").arg(Jobs().size() - before)};
        QTest::qWait(200);  // anything more would be a page too many
        QStringList kinds;
        const QStringList jobs = Jobs().mid(before);
        for (const QString &job : jobs) {
            kinds.append(PdfReader::pageCount(job) == 1 ? KindOfPage(job) : QStringLiteral("not one page"));
        }
        return kinds;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(cupsd.addQueue(kQueue, QStringLiteral("tavelo-test-300.ppd")));
        QVERIFY(cupsd.addQueue(kOtherQueue, QStringLiteral("tavelo-test-600.ppd")));
        QVERIFY(cupsd.setDefault(kQueue));
    }

    void init()
    {
        windows = std::make_unique<TestWindows>();
        form1 = &windows->form1;
        form6 = &windows->form6;
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
    }

    void cleanup()
    {
        windows.reset();
    }

    // The dialog offers printer, Properties, copies and collation only, and
    // sits centred across the screen with a third of the free height above it.
    void dialogAsShown()
    {
        bool pageRangesShown = true;
        bool printToFileOffered = true;
        bool propertiesOffered = false;
        bool copiesOffered = false;
        QRect frame;
        AnswerNextPrintDialog(false, [&](QPrintDialog &dialog) {
            frame = dialog.frameGeometry();
            // The copies and page ranges live behind "Options >>".
            for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
                if (button->text().startsWith(QLatin1String("&Options")))
                    button->click();
            }
            const auto *pageRanges = dialog.findChild<QGroupBox *>(QStringLiteral("gbPrintRange"));
            const auto *copies = dialog.findChild<QWidget *>(QStringLiteral("copies"));
            const auto *properties = dialog.findChild<QPushButton *>(QStringLiteral("properties"));
            pageRangesShown = !pageRanges || pageRanges->isVisible();
            copiesOffered = copies && copies->isVisible();
            propertiesOffered = properties && properties->isVisible();
            printToFileOffered = dialog.testOption(QAbstractPrintDialog::PrintToFile);
        });
        const int before = Jobs().size();
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QVERIFY(!pageRangesShown);
        QVERIFY(!printToFileOffered);
        QVERIFY(copiesOffered);
        QVERIFY(propertiesOffered);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(frame.left() - (screen.width() - frame.width()) / 2) <= 1);
        QVERIFY(qAbs(frame.top() - (screen.height() - frame.height()) / 3) <= 1);
        QTest::qWait(200);
        QCOMPARE(Jobs().size(), before);
    }

    // Cancel prints nothing, shows nothing and leaves the printer as it was.
    void cancelLeavesThePrinterAlone()
    {
        Printer().EnsureSelected();
        const QString queueBefore = Printer().Settings().printerName();
        const int copiesBefore = Printer().Settings().copyCount();
        const int before = Jobs().size();
        AnswerNextPrintDialog(false, [](QPrintDialog &dialog) { dialog.printer()->setCopyCount(7); });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(Jobs().size(), before);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(Printer().Settings().printerName(), queueBefore);
        QCOMPARE(Printer().Settings().copyCount(), copiesBefore);
    }

    void counterAndKindMakeTheJobs()
    {
        form1->Label2.SetCaption(QStringLiteral("3"));
        QTest::mouseClick(&form1->RadioButton2, Qt::LeftButton);
        const int before = Jobs().size();
        AnswerNextPrintDialog(true);
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QCOMPARE(KindsOfNewJobs(before, 3), (QStringList{"short", "short", "short"}));
    }

    // "+" lengthens the run under way; the kind switches from the next page.
    void changesWhilePrinting()
    {
        form1->Label2.SetCaption(QStringLiteral("2"));
        const int before = Jobs().size();
        AnswerNextPrintDialog(true);
        WhilePrinting([this] {
            QTest::mouseClick(&form1->Button3, Qt::LeftButton);
            QTest::mouseClick(&form1->Button3, Qt::LeftButton);
            QTest::mouseClick(&form1->RadioButton2, Qt::LeftButton);
        });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QCOMPARE(form1->Label2.text(), QStringLiteral("4"));
        QCOMPARE(KindsOfNewJobs(before, 4), (QStringList{"full", "short", "short", "short"}));
    }

    // "-" below the pages already printed ends the run after the current page.
    void counterLoweredWhilePrinting()
    {
        form1->Label2.SetCaption(QStringLiteral("5"));
        const int before = Jobs().size();
        AnswerNextPrintDialog(true);
        WhilePrinting([this] {
            for (int i = 0; i < 4; ++i)
                QTest::mouseClick(&form1->Button4, Qt::LeftButton);
        });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QCOMPARE(KindsOfNewJobs(before, 1), QStringList{"full"});
    }

    // Print pressed again during a run: a second dialog. Its Cancel does
    // nothing; its confirmation is refused and changes nothing, and the first
    // run still prints every page on its own printer.
    void printAgainWhilePrinting_data()
    {
        QTest::addColumn<bool>("confirmSecond");
        QTest::newRow("second dialog cancelled") << false;
        QTest::newRow("second dialog confirmed") << true;
    }
    void printAgainWhilePrinting()
    {
        QFETCH(bool, confirmSecond);
        form1->Label2.SetCaption(QStringLiteral("3"));
        const int before = Jobs().size();
        const int otherBefore = Jobs(kOtherQueue).size();
        SeenMessage seen;
        AnswerNextPrintDialog(true);
        WhilePrinting([&] {
            AnswerNextPrintDialog(confirmSecond, [](QPrintDialog &dialog) {
                auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers"));
                if (printers)
                    printers->setCurrentText(kOtherQueue);
                dialog.printer()->setCopyCount(4);
            });
            if (confirmSecond)
                PressOkOnNextMessage(seen);
            QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);

        QCOMPARE(KindsOfNewJobs(before, 3), (QStringList{"full", "full", "full"}));
        for (const QString &job : Jobs().mid(before))
            QCOMPARE(PrivateCupsd::receivedOptions(job).value(QStringLiteral("copies")), QStringLiteral("1"));
        QCOMPARE(Jobs(kOtherQueue).size(), otherBefore);
        QCOMPARE(seen.text, confirmSecond ? QStringLiteral("Printing in progress.") : QString());
        QCOMPARE(Printer().Settings().printerName(), kQueue);
    }

    // Quit, or the close box, during a run lets the run finish; then the
    // program ends with code 0.
    void quitWhilePrinting_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Quit") << false;
        QTest::newRow("close box") << true;
    }
    void quitWhilePrinting()
    {
        QFETCH(bool, closeBox);
        form1->Label2.SetCaption(QStringLiteral("3"));
        const int before = Jobs().size();
        AnswerNextPrintDialog(true);
        WhilePrinting([&] {
            if (closeBox)
                form1->close();
            else
                QTest::mouseClick(&form1->Button2, Qt::LeftButton);
        });
        QTimer::singleShot(0, &form1->Button1, [this] { QTest::mouseClick(&form1->Button1, Qt::LeftButton); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(KindsOfNewJobs(before, 3), (QStringList{"full", "full", "full"}));
    }

    // The title bar follows the run, against the counter as it stands, and
    // comes back when the run is over, on an error too.
    void titleShowsProgress_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("run completes") << false;
        QTest::newRow("run ends on an error") << true;
    }
    void titleShowsProgress()
    {
        QFETCH(bool, refused);
        form1->Label2.SetCaption(QStringLiteral("3"));
        QStringList titles;
        SeenMessage seen;
        AnswerNextPrintDialog(true);
        WhilePrinting([&] {
            titles.append(form1->windowTitle());
            QTest::mouseClick(&form1->Button3, Qt::LeftButton);
            titles.append(form1->windowTitle());
            if (refused) {
                PressOkOnNextMessage(seen);
                QVERIFY(cupsd.reject(kQueue));
            }
        });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        if (refused) {
            QTRY_COMPARE(seen.text, QStringLiteral("Page 1 was not printed: Destination \"music\" is not accepting jobs."));
            QVERIFY(cupsd.accept(kQueue));
        }
        QCOMPARE(titles, (QStringList{"Tavelo - page 1 of 3", "Tavelo - page 1 of 4"}));
        QCOMPARE(form1->windowTitle(), QStringLiteral("Tavelo"));
    }

    // The dialog's choice of printer stays until the next confirmed dialog,
    // which opens on it.
    void theChosenPrinterStays()
    {
        const int before = Jobs(kOtherQueue).size();
        AnswerNextPrintDialog(true, [](QPrintDialog &dialog) {
            auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers"));
            QVERIFY(printers);
            printers->setCurrentText(kOtherQueue);
        });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QVERIFY(cupsd.waitForJobs(kOtherQueue, before + 1));
        QCOMPARE(PdfReader::inkRows(PdfReader::rasterize(Jobs(kOtherQueue).constLast(), 600)).first().firstRow, 395);

        QString openedOn;
        AnswerNextPrintDialog(false, [&](QPrintDialog &dialog) { openedOn = dialog.printer()->printerName(); });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QCOMPARE(openedOn, kOtherQueue);
    }

    // The line width comes from the stave width window, read once per run:
    // opened and changed during a run, it changes the next run only.
    void staveWidthFromItsWindow()
    {
        QPrinter back;
        back.setPrinterName(kQueue);
        Printer().Assign(back);
        form6->SpinEdit1.SetValue(10);
        form1->Label2.SetCaption(QStringLiteral("2"));
        const int before = Jobs().size();
        AnswerNextPrintDialog(true);
        WhilePrinting([this] {
            QTest::keyClick(form1, Qt::Key_S, Qt::AltModifier);
            for (int i = 0; i < 9; ++i)
                QTest::mouseClick(&form6->SpinEdit1.DownButton(), Qt::LeftButton);
            QTest::mouseClick(&form6->Button1, Qt::LeftButton);
        });
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QCOMPARE(form6->SpinEdit1.Text(), QStringLiteral("1"));
        QVERIFY(form1->isVisible());

        AnswerNextPrintDialog(true);
        QTest::mouseClick(&form1->Button1, Qt::LeftButton);
        QVERIFY(cupsd.waitForJobs(kQueue, before + 4));
        QList<int> thickness;
        for (const QString &job : Jobs().mid(before))
            thickness.append(PdfReader::inkRows(PdfReader::rasterize(job, 300)).first().rowCount);
        QCOMPARE(thickness, (QList<int>{10, 10, 1, 1}));
    }
};

TAVELO_GUI_TEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
