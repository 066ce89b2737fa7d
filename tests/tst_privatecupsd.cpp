// The harness other tests print through: if it lies, they all do.

#include "Command.h"
#include "PdfReader.h"
#include "PrivateCupsd.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>

using PdfReader::InkRun;

namespace {

const QString kPpd300 = QStringLiteral("tavelo-test-300.ppd");
const QString kPpd600 = QStringLiteral("tavelo-test-600.ppd");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Two Letter pages, drawn in points; barTop moves the bar so documents differ.
QByteArray makePdf(const QString &path, qreal barTop = 144)
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(72);
    QPainter painter(&writer);
    painter.fillRect(QRectF(72, barTop, 72, 7.2), Qt::black);
    painter.fillRect(QRectF(300, 300, 0.24, 24), Qt::black);
    writer.newPage();
    painter.fillRect(QRectF(18, 0, 576, 0.48), Qt::black);
    painter.end();
    return readAll(path);
}

CommandResult lp(const QString &queue, const QString &file, int copies = 1)
{
    return runCommand(QStringLiteral("lp"),
                      {"-d", queue, "-n", QString::number(copies), file});
}

int jobIdOf(const CommandResult &submitted)
{
    const auto match = QRegularExpression(QStringLiteral("request id is \\S+-(\\d+)"))
                           .match(QString::fromUtf8(submitted.out));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString lpstat(const QString &option)
{
    return QString::fromUtf8(runCommand(QStringLiteral("lpstat"), {option}).out);
}

} // namespace

class TestPrivateCupsd : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void receivesTheDocumentUnchanged_data();
    void receivesTheDocumentUnchanged();
    void eachJobKeepsItsOwnFile();
    void hasNoDefaultUntilOneIsSet();
    void rejectingQueueRefusesJobs();
    void disabledQueueHoldsJobsUntilEnabled();
    void queuesSurviveRestart();
    void maxJobsRefusesJobsBeyondTheLimit();
    void destructionStopsSchedulerAndCleansUp();

    void readsBackPagesPixelExact_data();
    void readsBackPagesPixelExact();

private:
    QTemporaryDir scratch_;
    QString pdf_;
    QByteArray pdfBytes_;
};

void TestPrivateCupsd::init()
{
    QVERIFY(scratch_.isValid());
    pdf_ = scratch_.filePath(QStringLiteral("page.pdf"));
    pdfBytes_ = makePdf(pdf_);
    QVERIFY(!pdfBytes_.isEmpty());
}

void TestPrivateCupsd::receivesTheDocumentUnchanged_data()
{
    QTest::addColumn<QString>("ppd");
    QTest::addColumn<int>("copies");

    QTest::newRow("300 dpi queue") << kPpd300 << 1;
    QTest::newRow("600 dpi queue, copies") << kPpd600 << 3;
    QTest::newRow("raw queue, copies") << QString() << 2;
}

void TestPrivateCupsd::receivesTheDocumentUnchanged()
{
    QFETCH(QString, ppd);
    QFETCH(int, copies);
    PrivateCupsd cups;
    QVERIFY(cups.addQueue(QStringLiteral("q"), ppd));

    const CommandResult submitted = lp(QStringLiteral("q"), pdf_, copies);
    QVERIFY2(submitted.ok(), qPrintable(submitted.describe()));
    QVERIFY2(cups.waitForJobs(QStringLiteral("q"), 1), qPrintable(cups.errorLog().right(4000)));

    const QStringList jobs = cups.receivedJobs(QStringLiteral("q"));
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(readAll(jobs.first()), pdfBytes_);
    QCOMPARE(PrivateCupsd::receivedOptions(jobs.first()).value(QStringLiteral("copies")),
             QString::number(copies));
}

void TestPrivateCupsd::eachJobKeepsItsOwnFile()
{
    PrivateCupsd cups;
    QVERIFY(cups.addQueue(QStringLiteral("q"), kPpd300));
    const QString otherPdf = scratch_.filePath(QStringLiteral("other.pdf"));
    const QByteArray otherBytes = makePdf(otherPdf, 400);
    QVERIFY(otherBytes != pdfBytes_);

    const CommandResult first = lp(QStringLiteral("q"), pdf_);
    QVERIFY2(first.ok(), qPrintable(first.describe()));
    QVERIFY(cups.waitForJobs(QStringLiteral("q"), 1));
    const CommandResult second = lp(QStringLiteral("q"), otherPdf);
    QVERIFY2(second.ok(), qPrintable(second.describe()));
    QVERIFY(cups.waitForJobs(QStringLiteral("q"), 2));

    const QStringList jobs = cups.receivedJobs(QStringLiteral("q"));
    QCOMPARE(jobs.size(), 2);
    QCOMPARE(QFileInfo(jobs[0]).fileName(), QStringLiteral("job-%1.pdf").arg(jobIdOf(first), 5, 10, QLatin1Char('0')));
    QCOMPARE(QFileInfo(jobs[1]).fileName(), QStringLiteral("job-%1.pdf").arg(jobIdOf(second), 5, 10, QLatin1Char('0')));
    QCOMPARE(readAll(jobs[0]), pdfBytes_);
    QCOMPARE(readAll(jobs[1]), otherBytes);
}

void TestPrivateCupsd::hasNoDefaultUntilOneIsSet()
{
    PrivateCupsd cups;
    QVERIFY(cups.addQueue(QStringLiteral("first"), kPpd300));
    QVERIFY(cups.addQueue(QStringLiteral("second")));
    QVERIFY(lpstat(QStringLiteral("-d")).contains(QStringLiteral("no system default destination")));

    QVERIFY(cups.setDefault(QStringLiteral("second")));
    QVERIFY(lpstat(QStringLiteral("-d")).contains(QStringLiteral("system default destination: second")));

    QVERIFY(cups.deleteQueue(QStringLiteral("second")));
    QVERIFY(lpstat(QStringLiteral("-d")).contains(QStringLiteral("no system default destination")));
}

void TestPrivateCupsd::rejectingQueueRefusesJobs()
{
    PrivateCupsd cups;
    QVERIFY(cups.addQueue(QStringLiteral("q"), kPpd300));

    QVERIFY(cups.reject(QStringLiteral("q")));
    QVERIFY(!lp(QStringLiteral("q"), pdf_).ok());

    QVERIFY(cups.accept(QStringLiteral("q")));
    QVERIFY(lp(QStringLiteral("q"), pdf_).ok());
    QVERIFY(cups.waitForJobs(QStringLiteral("q"), 1));
    QCOMPARE(cups.receivedJobs(QStringLiteral("q")).size(), 1);
}

void TestPrivateCupsd::disabledQueueHoldsJobsUntilEnabled()
{
    PrivateCupsd cups;
    QVERIFY(cups.addQueue(QStringLiteral("q"), kPpd300));

    QVERIFY(cups.disable(QStringLiteral("q")));
    QVERIFY(lp(QStringLiteral("q"), pdf_).ok());
    QVERIFY(!cups.waitForJobs(QStringLiteral("q"), 1, 1500));

    QVERIFY(cups.enable(QStringLiteral("q")));
    QVERIFY(cups.waitForJobs(QStringLiteral("q"), 1));
}

void TestPrivateCupsd::queuesSurviveRestart()
{
    PrivateCupsd cups;
    QVERIFY(cups.addQueue(QStringLiteral("q"), kPpd600));
    QVERIFY(cups.setDefault(QStringLiteral("q")));

    cups.stop();
    QVERIFY(lpstat(QStringLiteral("-r")).contains(QStringLiteral("not running")));
    QVERIFY(!lp(QStringLiteral("q"), pdf_).ok());

    QVERIFY(cups.start());
    QVERIFY(lpstat(QStringLiteral("-d")).contains(QStringLiteral("system default destination: q")));
    QVERIFY(lp(QStringLiteral("q"), pdf_).ok());
    QVERIFY(cups.waitForJobs(QStringLiteral("q"), 1));
}

void TestPrivateCupsd::maxJobsRefusesJobsBeyondTheLimit()
{
    PrivateCupsd cups;
    QVERIFY(cups.setMaxJobs(1));
    QVERIFY(cups.addQueue(QStringLiteral("q"), kPpd300));
    QVERIFY(cups.disable(QStringLiteral("q")));

    QVERIFY(lp(QStringLiteral("q"), pdf_).ok());
    QVERIFY(!lp(QStringLiteral("q"), pdf_).ok());
}

void TestPrivateCupsd::destructionStopsSchedulerAndCleansUp()
{
    const QByteArray serverBefore = qgetenv("CUPS_SERVER");
    qint64 pid = 0;
    QString root;
    {
        PrivateCupsd cups;
        pid = cups.pid();
        root = cups.rootPath();
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid_t(pid), 0), 0);
    }
    QCOMPARE(::kill(pid_t(pid), 0), -1);
    QCOMPARE(errno, ESRCH);
    QVERIFY(!QFileInfo::exists(root));
    QCOMPARE(qgetenv("CUPS_SERVER"), serverBefore);
}

void TestPrivateCupsd::readsBackPagesPixelExact_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("page");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QList<InkRun>>("runs");

    // The bar is 72 x 7.2 pt at (72, 144); the thin line 0.24 x 24 pt at
    // (300, 300); page 2 has a 0.48 pt rule across the printable width.
    QTest::newRow("300 dpi, page 1")
        << 300 << 1 << QSize(2550, 3300)
        << QList<InkRun>{{600, 30, 300, 599}, {1250, 100, 1250, 1250}};
    QTest::newRow("600 dpi, page 1")
        << 600 << 1 << QSize(5100, 6600)
        << QList<InkRun>{{1200, 60, 600, 1199}, {2500, 200, 2500, 2501}};
    QTest::newRow("300 dpi, page 2")
        << 300 << 2 << QSize(2550, 3300) << QList<InkRun>{{0, 2, 75, 2474}};
}

void TestPrivateCupsd::readsBackPagesPixelExact()
{
    QFETCH(int, dpi);
    QFETCH(int, page);
    QFETCH(QSize, pixels);
    QFETCH(QList<InkRun>, runs);

    QCOMPARE(PdfReader::pageCount(pdf_), 2);
    QCOMPARE(PdfReader::pageSizePoints(pdf_, page), QSizeF(612, 792));

    const QImage image = PdfReader::rasterize(pdf_, dpi, page);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(PdfReader::inkRows(image), runs);
}

QTEST_GUILESS_MAIN(TestPrivateCupsd)
#include "tst_privatecupsd.moc"
