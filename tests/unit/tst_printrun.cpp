#include "PrintRun.h"
#include "PrinterError.h"

#include <QTest>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Records every printer operation as a line of text, and lets a test act
// between the operations as a user would between pages.
class RecordingTarget final : public TPrintTarget {
public:
    std::vector<std::string> log;
    std::map<int, std::string> refusals;          // job number -> reason
    std::function<void(int job)> onFinishJob;     // runs while job `job` is open

    void SetLineWidth(int pixels) override { log.push_back("width " + std::to_string(pixels)); }
    void StartJob() override
    {
        ++jobs;
        log.push_back("start");
    }
    std::int64_t PrintableWidth() override { return 2400; }
    std::int64_t PrintableHeight() override { return 3300; }
    void DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2) override
    {
        log.push_back("line " + std::to_string(x1) + " " + std::to_string(y) + " " + std::to_string(x2));
    }
    std::optional<std::string> FinishJob() override
    {
        if (onFinishJob)
            onFinishJob(jobs);
        log.push_back("finish");
        if (const auto refusal = refusals.find(jobs); refusal != refusals.end())
            return refusal->second;
        return std::nullopt;
    }

    // The y of line 11 of every finished page: 720 on a full score, 835 on a short one.
    std::vector<std::string> PageKinds() const
    {
        std::vector<std::string> kinds;
        int lineOfPage = 0;
        for (const std::string &entry : log) {
            if (entry == "start")
                lineOfPage = 0;
            else if (entry.rfind("line", 0) == 0 && ++lineOfPage == 11)
                kinds.push_back(entry == "line 180 720 2280" ? "full" : entry == "line 180 835 2280" ? "short" : entry);
        }
        return kinds;
    }
    long Count(const std::string &what) const { return std::count(log.begin(), log.end(), what); }

private:
    int jobs = 0;
};

}  // namespace

class TestPrintRun : public QObject {
    Q_OBJECT

private slots:
    // One page, operation by operation: width once, then the job, the 60
    // lines top to bottom at the page's ends, then the end of the job.
    void onePageSequence()
    {
        RecordingTarget target;
        RunPrint(target, [] { return 1; }, [] { return TScoreKind::skFullScore; }, 2);

        QCOMPARE(target.log.size(), 1u + 1u + 60u + 1u);
        QCOMPARE(target.log.front(), std::string("width 2"));
        QCOMPARE(target.log[1], std::string("start"));
        QCOMPARE(target.log[2], std::string("line 180 198 2280"));
        QCOMPARE(target.log[61], std::string("line 180 3185 2280"));
        QCOMPARE(target.log.back(), std::string("finish"));
    }

    void pagesFollowTheCounter_data()
    {
        QTest::addColumn<int>("counter");
        QTest::newRow("1") << 1;
        QTest::newRow("3") << 3;
        QTest::newRow("500") << 500;
    }
    void pagesFollowTheCounter()
    {
        QFETCH(int, counter);
        RecordingTarget target;
        RunPrint(target, [&] { return counter; }, [] { return TScoreKind::skShortScore; }, 10);
        QCOMPARE(target.Count("start"), long(counter));
        QCOMPARE(target.Count("finish"), long(counter));
        QCOMPARE(target.Count("width 10"), 1L);
        QCOMPARE(target.Count("line 180 3123 2280"), long(counter));
    }

    // Each job is finished before the next one starts.
    void jobsDoNotOverlap()
    {
        RecordingTarget target;
        RunPrint(target, [] { return 4; }, [] { return TScoreKind::skFullScore; }, 1);
        bool open = false;
        for (const std::string &entry : target.log) {
            if (entry == "start") {
                QVERIFY(!open);
                open = true;
            } else if (entry == "finish") {
                QVERIFY(open);
                open = false;
            } else if (entry.rfind("line", 0) == 0) {
                QVERIFY(open);
            }
        }
        QVERIFY(!open);
    }

    // What the user changes while a page is printing applies from the next
    // page: the counter after each page, the kind at the start of each page.
    void changesDuringTheRun_data()
    {
        QTest::addColumn<int>("startCounter");
        QTest::addColumn<int>("changeAtJob");
        QTest::addColumn<int>("newCounter");
        QTest::addColumn<bool>("switchKind");
        QTest::addColumn<std::vector<std::string>>("pages");
        using Pages = std::vector<std::string>;
        QTest::newRow("raised during page 2") << 3 << 2 << 5 << false << Pages(5, "full");
        QTest::newRow("raised during the last page") << 2 << 2 << 3 << false << Pages(3, "full");
        QTest::newRow("lowered to the current page") << 5 << 2 << 2 << false << Pages(2, "full");
        QTest::newRow("lowered below the pages printed") << 5 << 3 << 1 << false << Pages(3, "full");
        QTest::newRow("kind switched during page 1") << 3 << 1 << 3 << true << Pages{"full", "short", "short"};
        QTest::newRow("kind switched during the last page") << 2 << 2 << 2 << true << Pages{"full", "full"};
    }
    void changesDuringTheRun()
    {
        QFETCH(int, startCounter);
        QFETCH(int, changeAtJob);
        QFETCH(int, newCounter);
        QFETCH(bool, switchKind);
        QFETCH(std::vector<std::string>, pages);

        int counter = startCounter;
        TScoreKind kind = TScoreKind::skFullScore;
        RecordingTarget target;
        target.onFinishJob = [&](int job) {
            if (job != changeAtJob)
                return;
            counter = newCounter;
            if (switchKind)
                kind = TScoreKind::skShortScore;
        };
        RunPrint(target, [&] { return counter; }, [&] { return kind; }, 2);
        QCOMPARE(target.PageKinds(), pages);
    }

    // The width is set once, before the first page, however the run goes.
    void lineWidthSetOnceBeforeTheFirstJob()
    {
        RecordingTarget target;
        RunPrint(target, [] { return 3; }, [] { return TScoreKind::skFullScore; }, 7);
        QCOMPARE(target.log.front(), std::string("width 7"));
        QCOMPARE(std::count_if(target.log.begin(), target.log.end(),
                               [](const std::string &e) { return e.rfind("width", 0) == 0; }),
                 1L);
    }

    // A refused job ends the run there, names the page and the print
    // system's reason, and starts nothing after it.
    void refusedJobStopsTheRun()
    {
        RecordingTarget target;
        target.refusals[3] = "Destination \"q\" is not accepting jobs";
        try {
            RunPrint(target, [] { return 5; }, [] { return TScoreKind::skFullScore; }, 2);
            QFAIL("the run went on past a refused job");
        } catch (const EPrinter &error) {
            QCOMPARE(std::string(error.what()), std::string("Page 3 was not printed: Destination \"q\" is not accepting jobs"));
        }
        QCOMPARE(target.Count("start"), 3L);
        QCOMPARE(target.log.back(), std::string("finish"));
    }

    // A printer error raised inside an operation reaches the caller as it is.
    void printerErrorsPassThrough()
    {
        class FailingTarget final : public TPrintTarget {
        public:
            void SetLineWidth(int) override {}
            void StartJob() override { throw EPrinter("Printer selected is not valid"); }
            std::int64_t PrintableWidth() override { return 0; }
            std::int64_t PrintableHeight() override { return 0; }
            void DrawLine(std::int64_t, std::int64_t, std::int64_t) override {}
            std::optional<std::string> FinishJob() override { return std::nullopt; }
        } target;
        QVERIFY_THROWS_EXCEPTION(EPrinter, RunPrint(target, [] { return 2; }, [] { return TScoreKind::skFullScore; }, 2));
    }
};

QTEST_APPLESS_MAIN(TestPrintRun)
#include "tst_printrun.moc"
