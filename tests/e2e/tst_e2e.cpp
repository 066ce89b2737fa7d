// The real program on a private X display, driven from outside with xdotool
// as a person would drive it, printing to a private CUPS scheduler whose
// jobs are read back as pages.
#include "Command.h"
#include "PdfReader.h"
#include "PrivateCupsd.h"
#include "StavePageLayout.h"
#include "XDisplay.h"
#include "Xdotool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

#include <sys/prctl.h>

using PdfReader::InkRun;

namespace {

const QString kQueue = QStringLiteral("e2e300");
const QString kMainWindow = QStringLiteral("^Tavelo$");
const QString kStaveWidthWindow = QStringLiteral("^Tavelo $");
const QString kPrintDialog = QStringLiteral("^Print$");

// The windows are laid out for a 640 pixel wide screen and scaled to the
// screen's width. Where a person clicks, in those design pixels, from the top
// left of the stave width window and of the main window's client area.
constexpr int kDesignWidth = 640;
const QPoint kStaveWidthText(112, 51);  // left of the box's arrows
const QPoint kOkButton(208, 52);
const QPoint kQuitButton(364, 92);
constexpr int kDesignClientHeight = 156;

QPoint onScreen(QPoint design)
{
    return design * XDisplay::kScreenWidth / kDesignWidth;
}

// The test queue prints Letter at 300 dpi; its printable area is 8 x 11
// inches, 18 pt in from the paper's left edge.
const QSize kPaper(2550, 3300);
const QSize kPrintableArea(2400, 3300);
constexpr int kAreaLeft = 75;

// A full score page of `lineWidth` pixel lines: one band per line, with the
// line's y among its rows, shifted to where the printable area starts.
QList<InkRun> fullScoreInk(int lineWidth)
{
    QList<InkRun> runs;
    for (const TStaveLine &line : LayoutStavePage(TScoreKind::skFullScore, kPrintableArea.width(), kPrintableArea.height())) {
        runs.append({int(line.y) - lineWidth / 2, lineWidth, int(line.leftX) + kAreaLeft,
                     int(line.rightX) - 1 + kAreaLeft});
    }
    return runs;
}

} // namespace

// What is on the screen is worked out only when a step fails.
#define VERIFY_ON_SCREEN(condition, what)                                                          \
    do {                                                                                           \
        if (!(condition))                                                                          \
            QFAIL(qPrintable(QStringLiteral(what "\n") + Xdotool::describeScreen()));             \
    } while (false)

class TestEndToEnd : public QObject {
    Q_OBJECT

    // Before anything in this process could call CUPS. It also gives every
    // program started here a private HOME and a private 0700 XDG_RUNTIME_DIR.
    PrivateCupsd cupsd;
    XDisplay display;
    QProcess tavelo;
    QString mainWindow;

    // A window's pixels into the build's screenshots folder; with
    // TAVELO_UPDATE_SCREENSHOTS=1 also into the README's, which otherwise
    // stay as committed (the clock would change them on every run).
    void screenshot(const QString &window, const QString &fileName)
    {
        const QString built = QStringLiteral(TAVELO_BUILT_SCREENSHOTS) + QLatin1Char('/') + fileName;
        QVERIFY(QDir().mkpath(QStringLiteral(TAVELO_BUILT_SCREENSHOTS)));
        const CommandResult grab = runCommand(QStringLiteral(TAVELO_GRAB_WINDOW), {window, built});
        QVERIFY2(grab.ok(), qPrintable(grab.describe()));
        if (qEnvironmentVariableIntValue("TAVELO_UPDATE_SCREENSHOTS") != 1)
            return;
        const QString shown = QStringLiteral(TAVELO_README_SCREENSHOTS) + QLatin1Char('/') + fileName;
        QFile::remove(shown);
        QVERIFY(QFile::copy(built, shown));
    }

    void openStaveWidthWindow(QString &window)
    {
        QVERIFY(Xdotool::key(QStringLiteral("alt+s")));
        const auto opened = Xdotool::waitForActiveWindow(kStaveWidthWindow);
        VERIFY_ON_SCREEN(opened, "Alt+S did not open the stave width window");
        VERIFY_ON_SCREEN(Xdotool::waitUntilNoWindow(kMainWindow), "the main window stayed up beside the stave width window");
        window = *opened;
    }

    void backToTheMainWindow()
    {
        VERIFY_ON_SCREEN(Xdotool::waitUntilNoWindow(kStaveWidthWindow), "the stave width window stayed up");
        VERIFY_ON_SCREEN(Xdotool::waitForActiveWindow(kMainWindow) == mainWindow, "the main window did not come back");
    }

    // Print has the focus; Enter opens the print dialog and Enter there
    // confirms it.
    void printWithEnter()
    {
        QVERIFY(Xdotool::key(QStringLiteral("Return")));
        VERIFY_ON_SCREEN(Xdotool::waitForActiveWindow(kPrintDialog), "Enter on Print opened no print dialog");
        QVERIFY(Xdotool::key(QStringLiteral("Return")));
        VERIFY_ON_SCREEN(Xdotool::waitUntilNoWindow(kPrintDialog), "Enter did not confirm the print dialog");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(cupsd.addQueue(kQueue, QStringLiteral("tavelo-test-300.ppd")));
        QVERIFY(cupsd.setDefault(kQueue));
        const QString problem = display.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        qputenv("QT_QPA_PLATFORM", "xcb");
    }

    // A fresh program for every test, its errors and warnings straight into
    // the test's output.
    void init()
    {
        QVERIFY(Xdotool::parkPointer());
        tavelo.setProgram(QStringLiteral(TAVELO_PROGRAM));
        tavelo.setProcessChannelMode(QProcess::ForwardedChannels);
        tavelo.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        tavelo.start();
        QVERIFY2(tavelo.waitForStarted(), qPrintable(tavelo.errorString()));
        const auto window = Xdotool::waitForActiveWindow(kMainWindow);
        VERIFY_ON_SCREEN(window, "the main window did not come up");
        mainWindow = *window;
    }

    void cleanup()
    {
        if (tavelo.state() != QProcess::NotRunning) {
            tavelo.kill();
            tavelo.waitForFinished();
        }
        VERIFY_ON_SCREEN(Xdotool::waitUntilNoWindow(QStringLiteral("^Tavelo")), "windows outlived the program");
    }

    // The README's pictures: the two windows as they first appear.
    void screenshots()
    {
        // The clock shows the time from its first tick, a second after start.
        QTest::qWait(1500);
        screenshot(mainWindow, QStringLiteral("main-window.png"));
        QString staveWidthWindow;
        openStaveWidthWindow(staveWidthWindow);
        if (QTest::currentTestFailed())
            return;
        screenshot(staveWidthWindow, QStringLiteral("stave-width-window.png"));
        // OK has the focus.
        QVERIFY(Xdotool::key(QStringLiteral("Return")));
        backToTheMainWindow();
    }

    // One page of full score from Print and the dialog's own confirmation,
    // in lines as thick as the stave width window says.
    void printsOnePage_data()
    {
        QTest::addColumn<QString>("typed");  // into the stave width box; empty leaves the window alone
        QTest::addColumn<int>("lineWidth");
        QTest::newRow("default width") << QString() << 2;
        QTest::newRow("width 10") << QStringLiteral("10") << 10;
        QTest::newRow("width 1") << QStringLiteral("1") << 1;
    }
    void printsOnePage()
    {
        QFETCH(QString, typed);
        QFETCH(int, lineWidth);

        if (!typed.isEmpty()) {
            QString staveWidthWindow;
            openStaveWidthWindow(staveWidthWindow);
            if (QTest::currentTestFailed())
                return;
            // The box is no tab stop and Enter in it only beeps: a person
            // clicks into it, replaces its text and clicks OK.
            QVERIFY(Xdotool::click(staveWidthWindow, onScreen(kStaveWidthText)));
            QVERIFY(Xdotool::key(QStringLiteral("ctrl+a")));
            QVERIFY(Xdotool::type(typed));
            QVERIFY(Xdotool::click(staveWidthWindow, onScreen(kOkButton)));
            backToTheMainWindow();
            if (QTest::currentTestFailed())
                return;
        }

        const int before = cupsd.receivedJobs(kQueue).size();
        printWithEnter();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(cupsd.waitForJobs(kQueue, before + 1, Xdotool::kWaitMs));
        // Nothing more follows the one page.
        QTest::qWait(300);
        const QStringList jobs = cupsd.receivedJobs(kQueue);
        QCOMPARE(jobs.size(), before + 1);

        QCOMPARE(PdfReader::pageCount(jobs.constLast()), 1);
        const QImage page = PdfReader::rasterize(jobs.constLast(), 300);
        QCOMPARE(page.size(), kPaper);
        const QList<InkRun> ink = PdfReader::inkRows(page);
        QCOMPARE(ink, fullScoreInk(lineWidth));
        // Anchored to the worked page, not only to the layout code.
        QCOMPARE(ink.first().firstRow, 198 - lineWidth / 2);
        QCOMPARE(ink.last().firstRow, 3185 - lineWidth / 2);
        QCOMPARE(ink.first().firstColumn, 180 + kAreaLeft);
    }

    // However the user leaves, the program ends and says all went well.
    void leavingEndsWithExitCodeZero_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Tab to Quit, Enter") << QStringLiteral("keys Tab Return");
        QTest::newRow("click on Quit") << QStringLiteral("click Quit");
        QTest::newRow("close box (Alt+F4)") << QStringLiteral("keys alt+F4");
    }
    void leavingEndsWithExitCodeZero()
    {
        QFETCH(QString, how);
        const QStringList words = how.split(QLatin1Char(' '));
        if (words.constFirst() == QLatin1String("click")) {
            // The client area is the window's bottom part, under the menu bar.
            const int menuBarHeight = Xdotool::geometry(mainWindow).height() - onScreen({0, kDesignClientHeight}).y();
            QVERIFY(Xdotool::click(mainWindow, onScreen(kQuitButton) + QPoint(0, menuBarHeight)));
        } else {
            for (const QString &key : words.mid(1))
                QVERIFY(Xdotool::key(key));
        }
        VERIFY_ON_SCREEN(tavelo.waitForFinished(Xdotool::kWaitMs), "the program did not end");
        QCOMPARE(tavelo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tavelo.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
