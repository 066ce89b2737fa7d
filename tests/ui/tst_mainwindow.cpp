#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "TestWindows.h"
#include "TimeFormat.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace {

// Both windows as the program makes them, the main one shown and active.
struct Windows : TestWindows {
    Windows()
    {
        form1.show();
        form1.activateWindow();
    }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startState()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form1));
        QCOMPARE(w.form1.Label2.text(), QStringLiteral("1"));
        QVERIFY(w.form1.RadioButton1.isChecked());
        QVERIFY(!w.form1.RadioButton2.isChecked());
        QCOMPARE(QApplication::focusWidget(), &w.form1.Button1);
        QCOMPARE(w.form1.ScoreKind(), TScoreKind::skFullScore);
        QVERIFY(w.form1.Label1.text().isEmpty());  // the clock waits for its first tick
        QVERIFY(!w.form6.isVisible());
        QCOMPARE(w.form1.RadioButton2.text(), QStringLiteral("Short Score "));
        QCOMPARE(w.form1.Label3.text(), QStringLiteral("Tavelo  V4.0"));
    }

    void counterButtons_data()
    {
        QTest::addColumn<QString>("counter");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("refused");
        QTest::newRow("+ at 1") << "1" << true << "2" << false;
        QTest::newRow("+ at 499") << "499" << true << "500" << false;
        QTest::newRow("+ at 500") << "500" << true << "500" << true;
        QTest::newRow("- at 1") << "1" << false << "1" << false;
        QTest::newRow("- at 2") << "2" << false << "1" << false;
        QTest::newRow("- at 500") << "500" << false << "499" << false;
    }
    void counterButtons()
    {
        QFETCH(QString, counter);
        QFETCH(bool, plus);
        QFETCH(QString, after);
        QFETCH(bool, refused);

        Windows w;
        w.form1.Label2.SetCaption(counter);
        SeenMessage seen;
        if (refused)
            PressOkOnNextMessage(seen);
        QTest::mouseClick(plus ? &w.form1.Button3 : &w.form1.Button4, Qt::LeftButton);
        QCOMPARE(w.form1.Label2.text(), after);
        if (refused) {
            QCOMPARE(seen.caption, QStringLiteral("Information"));
            QCOMPARE(seen.text, QStringLiteral("Sorry, maximum print run is 500 pages."));
            QCOMPARE(seen.icon, int(QMessageBox::Information));
            QCOMPARE(seen.buttons, 1);
        } else {
            QVERIFY(seen.text.isEmpty());
        }
    }

    void tabOrder()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form1));
        const QList<QWidget *> forward{&w.form1.Button2, &w.form1.Button3, &w.form1.Button4,
                                       &w.form1.RadioButton1, &w.form1.Button1};
        for (QWidget *next : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), &w.form1.RadioButton1);
    }

    // The checked radio button is the group's one tab stop.
    void tabReachesTheCheckedKind()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form1));
        w.form1.RadioButton2.setChecked(true);
        w.form1.Button4.setFocus();
        QTest::keyClick(&w.form1.Button4, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &w.form1.RadioButton2);
    }

    void keysPressButtons_data()
    {
        QTest::addColumn<int>("button");  // 3 is "+", 4 is "-"
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("Enter on +") << 3 << int(Qt::Key_Return) << "6";
        QTest::newRow("keypad Enter on +") << 3 << int(Qt::Key_Enter) << "6";
        QTest::newRow("Space on +") << 3 << int(Qt::Key_Space) << "6";
        QTest::newRow("Enter on -") << 4 << int(Qt::Key_Return) << "4";
        QTest::newRow("Space on -") << 4 << int(Qt::Key_Space) << "4";
        QTest::newRow("Esc on + does nothing") << 3 << int(Qt::Key_Escape) << "5";
    }
    void keysPressButtons()
    {
        QFETCH(int, button);
        QFETCH(int, key);
        QFETCH(QString, after);
        Windows w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form1));
        w.form1.Label2.SetCaption(QStringLiteral("5"));
        QPushButton &target = button == 3 ? w.form1.Button3 : w.form1.Button4;
        target.setFocus();
        QTest::keyClick(&target, Qt::Key(key));
        QCOMPARE(w.form1.Label2.text(), after);
        QVERIFY(w.form1.isVisible());
    }

    void arrowsMoveBetweenNeighbours()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form1));
        QTest::keyClick(&w.form1.Button1, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), &w.form1.Button2);
        QTest::keyClick(&w.form1.Button2, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), &w.form1.Button1);

        // Between the radio buttons, reaching one checks it.
        w.form1.RadioButton1.setFocus();
        QTest::keyClick(&w.form1.RadioButton1, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), &w.form1.RadioButton2);
        QVERIFY(w.form1.RadioButton2.isChecked());
        QVERIFY(!w.form1.RadioButton1.isChecked());
        QCOMPARE(w.form1.ScoreKind(), TScoreKind::skShortScore);
    }

    void oneKindAtATime()
    {
        Windows w;
        QTest::mouseClick(&w.form1.RadioButton2, Qt::LeftButton);
        QVERIFY(w.form1.RadioButton2.isChecked());
        QVERIFY(!w.form1.RadioButton1.isChecked());
        QTest::mouseClick(&w.form1.RadioButton1, Qt::LeftButton);
        QVERIFY(w.form1.RadioButton1.isChecked());
        QVERIFY(!w.form1.RadioButton2.isChecked());
    }

    // Every second the clock shows the time, its label fitted to the text
    // and growing to the right from where it stands.
    void clockTicks()
    {
        Windows w;
        QCOMPARE(w.form1.Timer1.interval(), 1000);
        QVERIFY(w.form1.Timer1.isActive());
        const int left = w.form1.Label1.x();
        QTRY_VERIFY_WITH_TIMEOUT(!w.form1.Label1.text().isEmpty(), 2000);

        const TTimeSettings settings = TimeSettingsOf(QLocale::system());
        const QTime now = QTime::currentTime();
        const QStringList likely{LongTimeText(now, settings), LongTimeText(now.addSecs(-1), settings)};
        QVERIFY2(likely.contains(w.form1.Label1.text()), qPrintable(w.form1.Label1.text()));
        QCOMPARE(w.form1.Label1.x(), left);
        QCOMPARE(w.form1.Label1.size(), w.form1.Label1.sizeHint());

        const QString first = w.form1.Label1.text();
        QTRY_VERIFY_WITH_TIMEOUT(w.form1.Label1.text() != first, 2500);
    }

    // The menu bar item swaps the windows; OK swaps them back.
    void staveWidthWindowFromTheMenu()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form1));
        const QPoint mainPlace = w.form1.pos();
        QCOMPARE(w.form1.Exit1->text(), QStringLiteral("&Stave width setting"));
        QVERIFY(!w.form1.Exit1->menu());

        QTest::keyClick(&w.form1, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(w.form6.isVisible());
        QVERIFY(!w.form1.isVisible());

        QTest::mouseClick(&w.form6.Button1, Qt::LeftButton);
        QVERIFY(w.form1.isVisible());
        QVERIFY(!w.form6.isVisible());
        QCOMPARE(w.form1.pos(), mainPlace);
    }

    void theBevelFollowsTheClientArea()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.form1));
        const QRect printPlace = w.form1.Button1.geometry();
        w.form1.resize(w.form1.width() + 100, w.form1.height() + 40);
        QTRY_COMPARE(w.form1.Bevel1.geometry(), w.form1.Client.rect());
        QCOMPARE(w.form1.Button1.geometry(), printPlace);
    }

    // An error that escapes a handler is shown with a full stop added, under
    // the program's title with a stop icon, and the program goes on.
    void errorsReachTheErrorDisplay_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full stop added") << "Printing in progress" << "Printing in progress.";
        QTest::newRow("full stop not doubled") << "Already ends." << "Already ends.";
    }
    void errorsReachTheErrorDisplay()
    {
        QFETCH(QString, error);
        QFETCH(QString, shown);
        SeenMessage seen;
        PressOkOnNextMessage(seen);
        QTimer::singleShot(0, qApp, [error] { throw std::runtime_error(error.toStdString()); });
        QTRY_COMPARE(seen.text, shown);
        QCOMPARE(seen.caption, QStringLiteral("tst_mainwindow"));
        QCOMPARE(seen.icon, int(QMessageBox::Critical));
        QCOMPARE(seen.buttons, 1);
    }

    // With no print system to ask, Print says so and prints nothing; the
    // window goes on working.
    void printWithoutADefaultPrinter()
    {
        Windows w;
        SeenMessage seen;
        PressOkOnNextMessage(seen);
        QTest::mouseClick(&w.form1.Button1, Qt::LeftButton);
        QTRY_COMPARE(seen.text, QStringLiteral("There is no default printer currently selected."));
        QCOMPARE(seen.icon, int(QMessageBox::Critical));
        QTest::mouseClick(&w.form1.Button3, Qt::LeftButton);
        QCOMPARE(w.form1.Label2.text(), QStringLiteral("2"));
    }
};

TAVELO_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
