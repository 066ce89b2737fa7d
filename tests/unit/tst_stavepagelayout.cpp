#include "StavePageLayout.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(TScoreKind)

namespace {

std::vector<std::int64_t> Ys(const std::vector<TStaveLine> &lines, std::size_t count)
{
    std::vector<std::int64_t> ys;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i)
        ys.push_back(lines[i].y);
    return ys;
}

}  // namespace

class TestStavePageLayout : public QObject {
    Q_OBJECT

private slots:
    void roundHalfUp_data()
    {
        QTest::addColumn<qint64>("hundredThousandths");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("zero") << qint64(0) << qint64(0);
        QTest::newRow("just under a half") << qint64(2449999) << qint64(24);
        QTest::newRow("24.5 goes up") << qint64(2450000) << qint64(25);
        QTest::newRow("115.5 goes up, not to even") << qint64(11550000) << qint64(116);
        QTest::newRow("116.5 goes up, not to even") << qint64(11650000) << qint64(117);
        QTest::newRow("just over a half") << qint64(2450001) << qint64(25);
        QTest::newRow("whole stays") << qint64(3000000) << qint64(30);
    }
    void roundHalfUp()
    {
        QFETCH(qint64, hundredThousandths);
        QFETCH(qint64, rounded);
        QCOMPARE(RoundHalfUp(TDecimal{hundredThousandths}), rounded);
    }

    // The worked pages: ends, the first twelve lines and the last line.
    void workedPages_data()
    {
        QTest::addColumn<TScoreKind>("kind");
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<qint64>("leftX");
        QTest::addColumn<qint64>("rightX");
        QTest::addColumn<std::vector<std::int64_t>>("firstTwelve");
        QTest::addColumn<qint64>("lastY");

        const auto full = TScoreKind::skFullScore;
        const auto shortScore = TScoreKind::skShortScore;
        using Ys = std::vector<std::int64_t>;
        QTest::newRow("full 2400x3300") << full << qint64(2400) << qint64(3300) << qint64(180) << qint64(2280)
            << Ys{198, 227, 256, 285, 314, 459, 488, 517, 546, 575, 720, 749} << qint64(3185);
        QTest::newRow("short 2400x3300") << shortScore << qint64(2400) << qint64(3300) << qint64(180) << qint64(2280)
            << Ys{198, 227, 256, 285, 314, 459, 488, 517, 546, 575, 835, 864} << qint64(3123);
        QTest::newRow("full 2000x2800") << full << qint64(2000) << qint64(2800) << qint64(150) << qint64(1900)
            << Ys{168, 193, 218, 243, 268, 391, 416, 441, 466, 491, 614, 639} << qint64(2721);
        QTest::newRow("short 2000x2800") << shortScore << qint64(2000) << qint64(2800) << qint64(150) << qint64(1900)
            << Ys{168, 193, 218, 243, 268, 391, 416, 441, 466, 491, 712, 737} << qint64(2667);
        QTest::newRow("full 4800x6600") << full << qint64(4800) << qint64(6600) << qint64(360) << qint64(4560)
            << Ys{396, 454, 512, 570, 628, 917, 975, 1033, 1091, 1149, 1438, 1496} << qint64(6359);
        QTest::newRow("short 4800x6600") << shortScore << qint64(4800) << qint64(6600) << qint64(360) << qint64(4560)
            << Ys{396, 454, 512, 570, 628, 917, 975, 1033, 1091, 1149, 1669, 1727} << qint64(6241);
    }
    void workedPages()
    {
        QFETCH(TScoreKind, kind);
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        QFETCH(qint64, leftX);
        QFETCH(qint64, rightX);
        QFETCH(std::vector<std::int64_t>, firstTwelve);
        QFETCH(qint64, lastY);

        const std::vector<TStaveLine> lines = LayoutStavePage(kind, width, height);
        QCOMPARE(lines.size(), kind == TScoreKind::skFullScore ? 60u : 50u);
        QCOMPARE(Ys(lines, 12), firstTwelve);
        QCOMPARE(lines.back().y, lastY);
        for (const TStaveLine &line : lines) {
            QCOMPARE(line.leftX, leftX);
            QCOMPARE(line.rightX, rightX);
        }
    }

    // Every gap of the page in one sweep: inside a stave the step s, between
    // staves s + g, between the pairs of a short score s + p.
    void gapsFollowTheStaves_data()
    {
        QTest::addColumn<TScoreKind>("kind");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<qint64>("step");
        QTest::addColumn<qint64>("staveGap");
        QTest::addColumn<qint64>("pairGap");
        QTest::newRow("full 3300") << TScoreKind::skFullScore << qint64(3300) << qint64(29) << qint64(116) << qint64(116);
        QTest::newRow("short 3300") << TScoreKind::skShortScore << qint64(3300) << qint64(29) << qint64(116) << qint64(231);
        QTest::newRow("full 2800") << TScoreKind::skFullScore << qint64(2800) << qint64(25) << qint64(98) << qint64(98);
        QTest::newRow("short 2800") << TScoreKind::skShortScore << qint64(2800) << qint64(25) << qint64(98) << qint64(196);
    }
    void gapsFollowTheStaves()
    {
        QFETCH(TScoreKind, kind);
        QFETCH(qint64, height);
        QFETCH(qint64, step);
        QFETCH(qint64, staveGap);
        QFETCH(qint64, pairGap);

        const std::vector<TStaveLine> lines = LayoutStavePage(kind, 1000, height);
        for (std::size_t k = 2; k <= lines.size(); ++k) {
            const std::size_t above = k - 1;  // the line number before line k
            qint64 expected = step;
            if (above % 10 == 0)
                expected += pairGap;
            else if (above % 5 == 0)
                expected += staveGap;
            QVERIFY2(lines[k - 1].y - lines[k - 2].y == expected, qPrintable(QStringLiteral("line %1").arg(k)));
        }
    }

    void kindsAgreeUpToLineTen()
    {
        const auto full = LayoutStavePage(TScoreKind::skFullScore, 2400, 3300);
        const auto shortScore = LayoutStavePage(TScoreKind::skShortScore, 2400, 3300);
        QCOMPARE(Ys(full, 10), Ys(shortScore, 10));
        QVERIFY(full[10].y != shortScore[10].y);
    }

    // A tiny page is neither clipped nor shrunk: its last lines run past it.
    void smallPageRunsPastTheBottom()
    {
        const auto lines = LayoutStavePage(TScoreKind::skFullScore, 100, 100);
        QCOMPARE(lines.size(), 60u);
        QCOMPARE(lines.front().y, 6);
        QCOMPARE(lines[1].y, 7);
        QCOMPARE(lines[5].y, 6 + 4 * 1 + 4 + 1);
        QCOMPARE(lines.back().y, 109);
    }

    // Ends follow the width only, rows the height only.
    void widthAndHeightAreIndependent()
    {
        const auto narrow = LayoutStavePage(TScoreKind::skShortScore, 2000, 3300);
        const auto wide = LayoutStavePage(TScoreKind::skShortScore, 4800, 3300);
        QCOMPARE(Ys(narrow, 50), Ys(wide, 50));
        const auto shorter = LayoutStavePage(TScoreKind::skShortScore, 2400, 2800);
        QCOMPARE(shorter.front().leftX, 180);
        QCOMPARE(shorter.front().rightX, 2280);
    }
};

QTEST_APPLESS_MAIN(TestStavePageLayout)
#include "tst_stavepagelayout.moc"
