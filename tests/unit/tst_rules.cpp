// The small pure rules the windows live by, each as a table.
#include "Application.h"
#include "Scaling.h"
#include "TimeFormat.h"
#include "WholeNumber.h"

#include <QRect>
#include <QTest>

#include <optional>

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void mulDiv_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << 442 << 1280 << 640 << 884;
        QTest::newRow("half goes up") << 442 << 800 << 640 << 553;        // 552.5
        QTest::newRow("below half goes down") << 312 << 1024 << 640 << 499;  // 499.2
        QTest::newRow("above half goes up") << 417 << 800 << 640 << 521;  // 521.25 -> 521
        QTest::newRow("negative half away from zero") << -5 << 1 << 2 << -3;
        QTest::newRow("negative denominator") << 5 << 1 << -2 << -3;
        QTest::newRow("points from pixels") << 11 << 72 << 96 << 8;     // 8.25
        QTest::newRow("large product does not overflow") << 2000000000 << 3 << 4 << 1500000000;
    }
    void mulDiv()
    {
        QFETCH(int, number);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, result);
        QCOMPARE(MulDiv(number, numerator, denominator), result);
    }

    // Fonts scale through whole point sizes, so not simply by the ratio.
    void fontRule_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("scaled");
        QTest::newRow("11 at 640") << 11 << 640 << 11;
        QTest::newRow("11 at 1024") << 11 << 1024 << 17;
        QTest::newRow("13 at 1024") << 13 << 1024 << 21;
        QTest::newRow("16 at 1024") << 16 << 1024 << 25;
        QTest::newRow("24 at 1024") << 24 << 1024 << 39;
        QTest::newRow("24 at 800") << 24 << 800 << 31;
        QTest::newRow("11 at 1280") << 11 << 1280 << 21;
    }
    void fontRule()
    {
        QFETCH(int, pixels);
        QFETCH(int, screenWidth);
        QFETCH(int, scaled);
        QCOMPARE(ScaledFontPixelHeight(pixels, screenWidth, 640, 96), scaled);
    }

    // Sizes come from the scaled right and bottom edges.
    void scaledGeometry()
    {
        QCOMPARE(ScaledGeometry(QRect(312, 24, 105, 41), 800, 640), QRect(390, 30, 131, 51));
        QCOMPARE(ScaledGeometry(QRect(312, 24, 105, 41), 1024, 640), QRect(499, 38, 168, 66));
        // Two neighbours that touch at design still touch after scaling.
        const QRect plus = ScaledGeometry(QRect(248, 24, 41, 41), 1024, 640);
        const QRect beside = ScaledGeometry(QRect(289, 24, 23, 41), 1024, 640);
        QCOMPARE(plus.x() + plus.width(), beside.x());
    }

    void applicationTitle_data()
    {
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "tavelo" << "tavelo";
        QTest::newRow("with folder") << "/usr/bin/tavelo" << "tavelo";
        QTest::newRow("shouting with extension") << "TAVELO.EXE" << "Tavelo";
        QTest::newRow("cut at the first full stop") << "/opt/Tavelo.app.bin" << "Tavelo";
        QTest::newRow("first letter kept as it is") << "tAVELO" << "tavelo";
        QTest::newRow("relative path") << "./build/TaVeLo" << "Tavelo";
    }
    void applicationTitle()
    {
        QFETCH(QString, programFile);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitle(programFile), title);
    }

    void longTime_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("leadingZero");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QString>("text");
        QTest::newRow("12-hour afternoon") << QTime(14, 5, 9) << ":" << false << true << "2:05:09 pm";
        QTest::newRow("12-hour morning") << QTime(9, 0, 0) << ":" << false << true << "9:00:00 am";
        QTest::newRow("12-hour midnight") << QTime(0, 30, 1) << ":" << false << true << "12:30:01 am";
        QTest::newRow("12-hour noon") << QTime(12, 0, 59) << ":" << false << true << "12:00:59 pm";
        QTest::newRow("24-hour leading zero") << QTime(4, 5, 9) << ":" << true << false << "04:05:09";
        QTest::newRow("24-hour afternoon") << QTime(14, 5, 9) << ":" << true << false << "14:05:09";
        QTest::newRow("24-hour no leading zero") << QTime(4, 5, 9) << ":" << false << false << "4:05:09";
        QTest::newRow("other separator") << QTime(23, 59, 0) << "." << false << false << "23.59.00";
    }
    void longTime()
    {
        QFETCH(QTime, time);
        QFETCH(QString, separator);
        QFETCH(bool, leadingZero);
        QFETCH(bool, twelveHour);
        QFETCH(QString, text);
        const TTimeSettings settings{separator, leadingZero, twelveHour, QStringLiteral("am"), QStringLiteral("pm")};
        QCOMPARE(LongTimeText(time, settings), text);
    }

    void timeSettingsFromLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<bool>("leadingZero");
        QTest::addColumn<QString>("separator");
        QTest::newRow("en_US") << "en_US" << true << false << ":";
        QTest::newRow("de_DE") << "de_DE" << false << true << ":";
        QTest::newRow("fi_FI") << "fi_FI" << false << false << ".";
    }
    void timeSettingsFromLocale()
    {
        QFETCH(QString, locale);
        QFETCH(bool, twelveHour);
        QFETCH(bool, leadingZero);
        QFETCH(QString, separator);
        const TTimeSettings settings = TimeSettingsOf(QLocale(locale));
        QCOMPARE(settings.twelveHour, twelveHour);
        QCOMPARE(settings.leadingZero, leadingZero);
        QCOMPARE(settings.separator, separator);
    }

    void wholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<long long>>("number");
        using N = std::optional<long long>;
        QTest::newRow("digits") << "7" << N(7);
        QTest::newRow("plus sign") << "+5" << N(5);
        QTest::newRow("zero") << "0" << N(0);
        QTest::newRow("minus") << "-3" << N(-3);
        QTest::newRow("leading zeros") << "007" << N(7);
        QTest::newRow("beyond int stays beyond") << "9999999999" << N(9999999999LL);
        QTest::newRow("beyond everything saturates") << "99999999999999999999999" << N(std::numeric_limits<long long>::max());
        QTest::newRow("very negative saturates") << "-99999999999999999999999" << N(-std::numeric_limits<long long>::max());
        QTest::newRow("empty") << "" << N();
        QTest::newRow("sign alone") << "-" << N();
        QTest::newRow("two signs") << "+-1" << N();
        QTest::newRow("fraction") << "2.5" << N();
        QTest::newRow("space") << " 2" << N();
        QTest::newRow("letters") << "ten" << N();
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << N();
    }
    void wholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<long long>, number);
        QCOMPARE(ParseWholeNumber(text), number);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
