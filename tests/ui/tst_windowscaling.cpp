// The windows at the size of the screen they start on. Run once per screen
// width; each run checks the figures for its own screen.
#include "GuiTestMain.h"
#include "Printer.h"
#include "Tavelo1.h"
#include "tavelo6.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

struct Figures {
    QSize mainClient;
    QRect printButton;
    int labelFont;      // 11 px at design
    int windowFont;     // 13 px
    int plusFont;       // 16 px
    int counterFont;    // 24 px
    QSize staveClient;
    QRect counter;
};

Figures ExpectedAt(int screenWidth)
{
    switch (screenWidth) {
    case 800:
        return {QSize(553, 195), QRect(390, 30, 131, 51), 13, 17, 20, 31, QSize(309, 90), QRect(220, 60, 61, 41)};
    case 1024:
        return {QSize(707, 250), QRect(499, 38, 168, 66), 17, 21, 25, 39, QSize(395, 115), QRect(282, 77, 78, 53)};
    case 1280:
        return {QSize(884, 312), QRect(624, 48, 210, 82), 21, 27, 32, 48, QSize(494, 144), QRect(352, 96, 98, 66)};
    default:
        qFatal("no figures for a screen %d pixels wide", screenWidth);
    }
}

}  // namespace

class TestWindowScaling : public QObject {
    Q_OBJECT

private slots:
    void mainWindow()
    {
        const Figures expected = ExpectedAt(QGuiApplication::primaryScreen()->geometry().width());
        TForm1 form1(Printer());
        QCOMPARE(form1.Client.size(), expected.mainClient);
        QCOMPARE(form1.Button1.geometry(), expected.printButton);
        QCOMPARE(form1.Label2.geometry(), expected.counter);
        QCOMPARE(form1.Label3.font().pixelSize(), expected.labelFont);
        QCOMPARE(form1.Button1.font().pixelSize(), expected.labelFont);
        QCOMPARE(form1.font().pixelSize(), expected.windowFont);
        QCOMPARE(form1.Button3.font().pixelSize(), expected.plusFont);
        QCOMPARE(form1.Label2.font().pixelSize(), expected.counterFont);
        QCOMPARE(form1.Button4.font().pixelSize(), expected.counterFont);
        // The radio buttons take the group box's scaled font.
        QCOMPARE(form1.RadioButton1.font().pixelSize(), expected.labelFont);

        // Labels that size themselves re-fit to the scaled font.
        QCOMPARE(form1.Label3.size(), form1.Label3.sizeHint());

        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QCOMPARE(form1.Client.size(), expected.mainClient);
        QCOMPARE(form1.Bevel1.geometry(), form1.Client.rect());
    }

    void staveWidthWindow()
    {
        const Figures expected = ExpectedAt(QGuiApplication::primaryScreen()->geometry().width());
        QWidget mainWindow;
        TForm6 form6(mainWindow);
        QCOMPARE(form6.size(), expected.staveClient);
        QCOMPARE(form6.Label1.font().pixelSize(), expected.labelFont);
        QCOMPARE(form6.font().pixelSize(), expected.labelFont);
        QCOMPARE(form6.Button1.font().pixelSize(), expected.labelFont);
    }

    // Texts stay within their places: no label runs under its neighbour.
    void textsFitTheirPlaces()
    {
        TForm1 form1(Printer());
        TForm6 form6(form1);
        QVERIFY(form6.Label2.geometry().right() < form6.SpinEdit1.x());
        QVERIFY(form6.Label1.geometry().right() < form6.width());
        QVERIFY(form1.Label3.geometry().right() < form1.Button3.x());
        QVERIFY(form1.Label1.x() + form1.Label1.fontMetrics().horizontalAdvance(QStringLiteral("12:59:59 pm"))
                < form1.Client.width());
    }

    // Both windows come up in the middle of the screen the first time.
    void centredWhenFirstShown()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        TForm1 form1(Printer());
        TForm6 form6(form1);
        form1.SetStaveWidthWindow(form6);
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QVERIFY((form1.frameGeometry().center() - screen.center()).manhattanLength() <= 2);

        form1.Exit1Click();
        QVERIFY(QTest::qWaitForWindowExposed(&form6));
        QVERIFY((form6.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
    }
};

TAVELO_GUI_TEST_MAIN(TestWindowScaling)
#include "tst_windowscaling.moc"
