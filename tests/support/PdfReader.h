#pragma once

#include <QDebug>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

// Reads printed PDFs back with poppler's command-line tools, so a test
// judges the document the way a printer would see it.
namespace PdfReader {

// -1 when pdfinfo cannot read the file.
int pageCount(const QString &pdfPath);
// Empty when pdfinfo cannot read the file or has no such page.
QSizeF pageSizePoints(const QString &pdfPath, int page = 1);
// One page as 8-bit grey without anti-aliasing, so every pixel is either
// ink or paper and edges fall on exact rows and columns. Null on failure.
QImage rasterize(const QString &pdfPath, int dpi, int page = 1);

// A maximal band of consecutive rows that each hold a dark pixel, with the
// leftmost and rightmost dark column found anywhere in the band.
struct InkRun
{
    int firstRow = 0;
    int rowCount = 0;
    int firstColumn = 0;
    int lastColumn = 0;

    friend bool operator==(const InkRun &, const InkRun &) = default;
};

// Lets QCOMPARE show which run differs.
QDebug operator<<(QDebug debug, const InkRun &run);

QList<InkRun> inkRows(const QImage &image);

} // namespace PdfReader
