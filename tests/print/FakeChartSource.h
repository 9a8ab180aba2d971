#pragma once

#include "CalcErrors.h"
#include "ChartSource.h"

#include <QList>
#include <QStringList>

// A chart source with a grid of any size; each value can be made to fail as a field whose
// text is not a number does.
struct FakeChartSource : ChartSource {
    QList<QStringList> rows; // rows[r][c]
    double loan = 100000;
    double rate = 8.75;
    double term = 30;
    QString badValue; // "loan", "rate" or "term": that read raises EConvertError
    mutable int rowCountCalls = 0;

    QString cellText(int column, int row) const override
    {
        return rows.value(row).value(column);
    }
    int rowCount() const override
    {
        ++rowCountCalls;
        return static_cast<int>(rows.size());
    }
    double loanValue() const override { return read(QStringLiteral("loan"), loan); }
    double rateValue() const override { return read(QStringLiteral("rate"), rate); }
    double termValue() const override { return read(QStringLiteral("term"), term); }

    // n rows of 8 texts "r<row>c<column>".
    static QList<QStringList> numberedRows(int n)
    {
        QList<QStringList> result;
        for (int r = 0; r < n; ++r) {
            QStringList row;
            for (int c = 0; c < 8; ++c)
                row << QStringLiteral("r%1c%2").arg(r).arg(c);
            result << row;
        }
        return result;
    }

private:
    double read(const QString& which, double value) const
    {
        if (which == badValue)
            throw EConvertError::notFloat(QStringLiteral("8..75"));
        return value;
    }
};
