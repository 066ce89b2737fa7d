#include "GuiTestMain.h"
#include "TestWindows.h"

#include <QClipboard>
#include <QSignalSpy>

namespace {

struct Windows : TestWindows {
    Windows() { form1.show(); }

    // Opens the stave width window from the main window's menu.
    void OpenStaveWidth()
    {
        form1.Exit1->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&form6));
    }
};

// One step of what a user does to the box, written as "verb argument".
void Act(TForm6 &form6, const QString &action)
{
    QLineEdit &edit = form6.SpinEdit1.Edit();
    const QString verb = action.section(QLatin1Char(' '), 0, 0);
    const QString argument = action.section(QLatin1Char(' '), 1);
    if (verb == QLatin1String("click")) {
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(4, edit.height() / 2));
    } else if (verb == QLatin1String("selectall")) {
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    } else if (verb == QLatin1String("type")) {
        QTest::keyClicks(&edit, argument);
    } else if (verb == QLatin1String("key")) {
        const QMap<QString, Qt::Key> keys{{"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"Space", Qt::Key_Space},
                                          {"Return", Qt::Key_Return}, {"Backspace", Qt::Key_Backspace}};
        QTest::keyClick(&edit, keys.value(argument));
    } else if (verb == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(argument);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    } else if (verb == QLatin1String("up")) {
        QTest::mouseClick(&form6.SpinEdit1.UpButton(), Qt::LeftButton);
    } else if (verb == QLatin1String("down")) {
        QTest::mouseClick(&form6.SpinEdit1.DownButton(), Qt::LeftButton);
    } else if (verb == QLatin1String("ok")) {
        QTest::mouseClick(&form6.Button1, Qt::LeftButton);
    } else {
        qFatal("unknown action %s", qPrintable(action));
    }
}

}  // namespace

class TestStaveWidthWindow : public QObject {
    Q_OBJECT

private slots:
    void startsAtTwo()
    {
        Windows w;
        QCOMPARE(w.form6.SpinEdit1.Text(), QStringLiteral("2"));
        QCOMPARE(w.form6.StaveWidth(), 2);
        QCOMPARE(w.form6.windowTitle(), QStringLiteral("Tavelo "));
        QCOMPARE(w.form6.Label1.text(), QStringLiteral("Stave width setting:"));
        QCOMPARE(w.form6.Label2.text(), QStringLiteral("Stave width:"));
    }

    // What the user does, one action at a time, and the box's text after each.
    void editing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("width");     // what a print run would read
        QTest::addColumn<int>("refusals");  // keys refused with a beep

        QTest::newRow("1 then 5 becomes 10") << "2" << QStringList{"click", "selectall", "type 1", "type 5"}
                                             << QStringList{"2", "2", "1", "10"} << 10 << 0;
        QTest::newRow("0 then OK becomes 1") << "2" << QStringList{"click", "selectall", "type 0", "ok"}
                                             << QStringList{"2", "2", "0", "1"} << 1 << 0;
        QTest::newRow("-5 then OK becomes 1") << "2" << QStringList{"click", "selectall", "type -5", "ok"}
                                              << QStringList{"2", "2", "-5", "1"} << 1 << 0;
        QTest::newRow("empty box reads 1") << "2" << QStringList{"click", "selectall", "key Backspace"}
                                           << QStringList{"2", "2", ""} << 1 << 0;
        QTest::newRow("a fraction is left as typed") << "2" << QStringList{"click", "selectall", "type 2.5", "ok"}
                                                     << QStringList{"2", "2", "2.5", "2.5"} << 1 << 0;
        QTest::newRow("a sign is kept") << "2" << QStringList{"click", "selectall", "type +5", "ok"}
                                        << QStringList{"2", "2", "+5", "+5"} << 5 << 0;
        QTest::newRow("down at 1 stays 1") << "1" << QStringList{"down", "down"} << QStringList{"1", "1"} << 1 << 0;
        QTest::newRow("up at 10 stays 10") << "10" << QStringList{"up"} << QStringList{"10"} << 10 << 0;
        QTest::newRow("arrow buttons step by one") << "2" << QStringList{"up", "up", "down"}
                                                   << QStringList{"3", "4", "3"} << 3 << 0;
        QTest::newRow("arrow keys step while focused") << "5" << QStringList{"click", "key Up", "key Down", "key Down"}
                                                       << QStringList{"5", "6", "5", "4"} << 4 << 0;
        QTest::newRow("letters, space and Enter are refused")
            << "7" << QStringList{"click", "type a", "key Space", "key Return", "type x"}
            << QStringList{"7", "7", "7", "7", "7"} << 7 << 4;
        QTest::newRow("paste is not filtered") << "2" << QStringList{"click", "selectall", "paste abc", "up"}
                                               << QStringList{"2", "2", "abc", "2"} << 2 << 0;
        QTest::newRow("a long paste is cut to 10 characters")
            << "2" << QStringList{"click", "selectall", "paste abcdefghijklmnop"}
            << QStringList{"2", "2", "abcdefghij"} << 1 << 0;
        QTest::newRow("a huge number is above 10") << "2" << QStringList{"click", "selectall", "paste 9999999999"}
                                                   << QStringList{"2", "2", "10"} << 10 << 0;
        QTest::newRow("at most 10 characters typed")
            << "2" << QStringList{"click", "selectall", "type ------------"}
            << QStringList{"2", "2", "----------"} << 1 << 0;
    }
    void editing()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, texts);
        QFETCH(int, width);
        QFETCH(int, refusals);

        Windows w;
        w.OpenStaveWidth();
        w.form6.SpinEdit1.Edit().setText(start);
        QSignalSpy refused(&w.form6.SpinEdit1, &TSpinEdit::KeyRefused);
        for (int i = 0; i < actions.size(); ++i) {
            Act(w.form6, actions.at(i));
            QVERIFY2(w.form6.SpinEdit1.Text() == texts.at(i),
                     qPrintable(actions.at(i) + QStringLiteral(" gave \"") + w.form6.SpinEdit1.Text() + "\""));
        }
        QCOMPARE(w.form6.StaveWidth(), width);
        QCOMPARE(refused.count(), refusals);
    }

    // A click steps once, when the button is let go; held down, it repeats
    // after 400 ms and then every 100 ms.
    void heldArrowRepeats()
    {
        Windows w;
        w.OpenStaveWidth();
        QToolButton &up = w.form6.SpinEdit1.UpButton();
        QTest::mousePress(&up, Qt::LeftButton);
        QCOMPARE(w.form6.SpinEdit1.Text(), QStringLiteral("2"));
        QTest::qWait(300);
        QCOMPARE(w.form6.SpinEdit1.Text(), QStringLiteral("2"));
        QTest::qWait(350);
        QTest::mouseRelease(&up, Qt::LeftButton);
        QVERIFY2(w.form6.SpinEdit1.Value() >= 5, qPrintable(w.form6.SpinEdit1.Text()));
    }

    void focus()
    {
        Windows w;
        w.OpenStaveWidth();
        QLineEdit &edit = w.form6.SpinEdit1.Edit();
        // Shown, the window gives OK the focus; Tab passes over the box.
        QCOMPARE(QApplication::focusWidget(), &w.form6.Button1);
        QTest::keyClick(&w.form6.Button1, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != &edit);
        // The arrow buttons leave the focus where it is.
        w.form6.Button1.setFocus();
        QTest::mouseClick(&w.form6.SpinEdit1.UpButton(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), &w.form6.Button1);
        // Given the focus other than by a click, the box selects its text.
        edit.setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(edit.selectedText(), edit.text());
    }

    void enterRightAwayPressesOk()
    {
        Windows w;
        w.OpenStaveWidth();
        QVERIFY(!w.form1.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(w.form1.isVisible());
        QVERIFY(!w.form6.isVisible());
    }

    // The close box acts as OK, box correction included: the program is
    // never left with no window, and a run never reads 0.
    void closeBoxActsAsOk()
    {
        Windows w;
        w.OpenStaveWidth();
        Act(w.form6, QStringLiteral("click"));
        Act(w.form6, QStringLiteral("selectall"));
        Act(w.form6, QStringLiteral("type 0"));
        QVERIFY(w.form6.close() == false);
        QVERIFY(w.form1.isVisible());
        QVERIFY(!w.form6.isVisible());
        QCOMPARE(w.form6.SpinEdit1.Text(), QStringLiteral("1"));
        QCOMPARE(w.form6.StaveWidth(), 1);
    }

    // The setting stays in the box between showings.
    void settingSurvivesOk()
    {
        Windows w;
        w.OpenStaveWidth();
        Act(w.form6, QStringLiteral("up"));
        Act(w.form6, QStringLiteral("ok"));
        w.OpenStaveWidth();
        QCOMPARE(w.form6.SpinEdit1.Text(), QStringLiteral("3"));
        QCOMPARE(w.form6.StaveWidth(), 3);
    }
};

TAVELO_GUI_TEST_MAIN(TestStaveWidthWindow)
#include "tst_stavewidthwindow.moc"
