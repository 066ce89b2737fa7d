#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <vector>

// The middle and the worst of a set of timings, in milliseconds.
struct TTimings {
    double median = 0;
    double maximum = 0;
};

TTimings Summarise(std::vector<double> samplesMs);

QString Milliseconds(double ms);
QString Mebibytes(double kib);

// What a benchmark prints: each figure beside its target with PASS or FAIL,
// and figures kept for reference without either.
class TFigureTable {
public:
    explicit TFigureTable(const QString &title) : m_title(title) {}

    void Add(const QString &figure, const QString &measured);
    void Add(const QString &figure, const QString &measured, const QString &target, bool met);
    void Print() const;

private:
    struct TRow {
        QString figure;
        QString measured;
        QString target;
        std::optional<bool> met;
    };

    QString m_title;
    QList<TRow> m_rows;
};
