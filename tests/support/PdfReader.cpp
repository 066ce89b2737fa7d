#include "PdfReader.h"

#include "Command.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <optional>

namespace PdfReader {

namespace {

// pdftoppm without anti-aliasing paints pure black or white; anything darker
// than mid grey is ink.
constexpr int kDarkBelow = 128;

std::optional<QString> pdfinfo(const QStringList &arguments)
{
    const CommandResult result = runCommand(QStringLiteral("pdfinfo"), arguments);
    if (!result.ok())
        return std::nullopt;
    return QString::fromUtf8(result.out);
}

// Read by hand because QImage's reader refuses pages at 600 dpi, which pass
// its allocation limit.
QImage fromPgm(const QByteArray &pgm)
{
    const QRegularExpressionMatch header =
        QRegularExpression(QStringLiteral("^P5\\s+(\\d+)\\s+(\\d+)\\s+255\\s")).match(QString::fromLatin1(pgm.left(64)));
    if (!header.hasMatch())
        return {};
    const int width = header.captured(1).toInt();
    const int height = header.captured(2).toInt();
    const qsizetype offset = header.capturedLength();
    if (pgm.size() - offset != qsizetype(width) * height)
        return {};

    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), pgm.constData() + offset + qsizetype(y) * width, size_t(width));
    return image;
}

} // namespace

int pageCount(const QString &pdfPath)
{
    const auto info = pdfinfo({pdfPath});
    if (!info)
        return -1;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(*info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QSizeF pageSizePoints(const QString &pdfPath, int page)
{
    const QString number = QString::number(page);
    const auto info = pdfinfo({QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdfPath});
    if (!info)
        return {};
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Page\\s+%1 size:\\s+([\\d.]+) x ([\\d.]+) pts").arg(page),
                           QRegularExpression::MultilineOption)
            .match(*info);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

QImage rasterize(const QString &pdfPath, int dpi, int page)
{
    const QString number = QString::number(page);
    const CommandResult result = runCommand(
        QStringLiteral("pdftoppm"),
        {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-gray", "-f", number, "-l",
         number, "-singlefile", pdfPath});
    return result.ok() ? fromPgm(result.out) : QImage();
}

QDebug operator<<(QDebug debug, const InkRun &run)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "InkRun(rows " << run.firstRow << " +" << run.rowCount << ", columns "
                    << run.firstColumn << ".." << run.lastColumn << ')';
    return debug;
}

QList<InkRun> inkRows(const QImage &image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    QList<InkRun> runs;
    bool previousRowHadInk = false;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *row = gray.constScanLine(y);
        int left = -1;
        int right = -1;
        for (int x = 0; x < gray.width(); ++x) {
            if (row[x] < kDarkBelow) {
                left = left < 0 ? x : left;
                right = x;
            }
        }
        if (left < 0) {
            previousRowHadInk = false;
            continue;
        }
        if (!previousRowHadInk)
            runs.append({y, 0, left, right});
        previousRowHadInk = true;
        InkRun &run = runs.last();
        ++run.rowCount;
        run.firstColumn = std::min(run.firstColumn, left);
        run.lastColumn = std::max(run.lastColumn, right);
    }
    return runs;
}

} // namespace PdfReader
