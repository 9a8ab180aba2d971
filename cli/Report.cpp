#include "Report.h"

#include "ExactApr.h"
#include "Storage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

using namespace AprTable;

Audit auditTable(const Values& inputs, const Result& result)
{
    Audit audit;
    for (int r = 1; r < Rows; ++r) {
        const double loan = result.loans[r - 1];
        for (int c = 2; c < Columns; ++c) {
            const double fees = result.feeAmounts[c - 2];
            CellAudit& cell = audit[r - 1][c - 2];
            cell.steps = result.steps[r - 1][c - 2];
            cell.exact = ExactAPR(fees + loan, inputs.rateValue, loan, result.payments);
            const double shown = result.apr[r - 1][c - 2];
            cell.outsideTolerance = cell.exact && std::fabs(shown - *cell.exact) > AprTolerance;
        }
    }
    return audit;
}

QString renderCsv(const Grid& grid)
{
    QString out;
    for (const auto& row : grid.cells) {
        QStringList fields;
        for (const QString& cell : row)
            fields << QLatin1Char('"') + QString(cell).replace(QLatin1String("\""), QLatin1String("\"\"")) +
                          QLatin1Char('"');
        out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out;
}

QString renderText(const Grid& grid, const Result& result, const std::optional<Audit>& audit)
{
    std::array<qsizetype, Columns> widths{};
    for (const auto& row : grid.cells)
        for (int c = 0; c < Columns; ++c)
            widths[c] = std::max(widths[c], row[c].size());
    QString out;
    for (const auto& row : grid.cells) {
        QStringList fields;
        for (int c = 0; c < Columns; ++c)
            fields << row[c].trimmed().rightJustified(widths[c]);
        out += fields.join(QLatin1String("  ")) + QLatin1Char('\n');
    }
    if (result.termReset)
        out += QStringLiteral("(term reset to 30 years)\n");
    if (!audit)
        return out;
    QStringList outside;
    for (int r = 1; r < Rows; ++r) {
        for (int c = 2; c < Columns; ++c) {
            const CellAudit& cell = (*audit)[r - 1][c - 2];
            if (!cell.outsideTolerance)
                continue;
            outside << QStringLiteral("  (%1, %2) %3: table %4, exact %5, %6 steps")
                           .arg(c)
                           .arg(r)
                           .arg(grid.cells[r][0].trimmed() + QStringLiteral(" + ") + grid.cells[0][c].trimmed())
                           .arg(result.apr[r - 1][c - 2], 0, 'f', 4)
                           .arg(*cell.exact, 0, 'f', 4)
                           .arg(cell.steps);
        }
    }
    out += QLatin1Char('\n');
    if (outside.isEmpty())
        out += QStringLiteral("Audit: every APR is within %1 points of the exact APR.\n").arg(AprTolerance);
    else
        out += QStringLiteral("Audit: %1 APR cell(s) differ from the exact APR by more than %2 points:\n")
                   .arg(outside.size())
                   .arg(AprTolerance) +
               outside.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return out;
}

QString renderJson(const Grid& grid, const Result& result, const std::optional<Audit>& audit)
{
    QJsonObject root;
    root[QStringLiteral("feeTotal")] = result.feeTotal;
    root[QStringLiteral("payments")] = static_cast<qint64>(result.payments);
    root[QStringLiteral("termReset")] = result.termReset;
    root[QStringLiteral("loanStep")] = result.loanStep;
    root[QStringLiteral("feeStep")] = result.feeStep;
    QJsonArray cells;
    for (const auto& row : grid.cells) {
        QJsonArray texts;
        for (const QString& cell : row)
            texts.append(cell);
        cells.append(texts);
    }
    root[QStringLiteral("cells")] = cells;
    QJsonArray apr;
    for (const auto& row : result.apr) {
        QJsonArray values;
        for (double value : row)
            values.append(value);
        apr.append(values);
    }
    root[QStringLiteral("apr")] = apr;
    if (audit) {
        QJsonArray rows;
        for (const auto& row : *audit) {
            QJsonArray values;
            for (const CellAudit& cell : row) {
                QJsonObject entry;
                entry[QStringLiteral("exact")] = cell.exact ? QJsonValue(*cell.exact) : QJsonValue();
                entry[QStringLiteral("steps")] = cell.steps;
                entry[QStringLiteral("outsideTolerance")] = cell.outsideTolerance;
                values.append(entry);
            }
            rows.append(values);
        }
        root[QStringLiteral("audit")] = rows;
    }
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}
