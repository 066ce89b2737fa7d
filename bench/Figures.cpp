#include "Figures.h"

#include <algorithm>
#include <cstdio>

TTimings Summarise(std::vector<double> samplesMs)
{
    if (samplesMs.empty())
        return {};
    std::sort(samplesMs.begin(), samplesMs.end());
    const std::size_t middle = samplesMs.size() / 2;
    const double median = samplesMs.size() % 2 ? samplesMs[middle] : (samplesMs[middle - 1] + samplesMs[middle]) / 2;
    return {median, samplesMs.back()};
}

QString Milliseconds(double ms)
{
    return QStringLiteral("%1 ms").arg(ms, 0, 'f', ms < 100 ? 2 : 0);
}

QString Mebibytes(double kib)
{
    return QStringLiteral("%1 MiB").arg(kib / 1024, 0, 'f', 2);
}

void TFigureTable::Add(const QString &figure, const QString &measured)
{
    m_rows.append({figure, measured, {}, std::nullopt});
}

void TFigureTable::Add(const QString &figure, const QString &measured, const QString &target, bool met)
{
    m_rows.append({figure, measured, target, met});
}

void TFigureTable::Print() const
{
    std::printf("\n%s\n", qPrintable(m_title));
    std::printf("  %-44s %14s  %-14s %s\n", "figure", "measured", "target", "verdict");
    for (const TRow &row : m_rows) {
        const char *verdict = !row.met ? "" : *row.met ? "PASS" : "FAIL";
        std::printf("  %-44s %14s  %-14s %s\n", qPrintable(row.figure), qPrintable(row.measured),
                    qPrintable(row.target), verdict);
    }
    std::fflush(stdout);
}
