#pragma once

#include "AprTable.h"

#include <QString>
#include <optional>

// One cell's audit: the exact APR beside the table's fixed-cap iteration.
struct CellAudit {
    std::optional<double> exact;
    int steps = 0;
    bool outsideTolerance = false;
};
using Audit = std::array<std::array<CellAudit, 6>, 11>; // [row - 1][column - 2]

// The regulatory tolerance for a regular transaction, in percentage points.
inline constexpr double AprTolerance = 0.125;

Audit auditTable(const AprTable::Values& inputs, const AprTable::Result& result);

QString renderCsv(const AprTable::Grid& grid);
QString renderText(const AprTable::Grid& grid, const AprTable::Result& result,
                   const std::optional<Audit>& audit);
QString renderJson(const AprTable::Grid& grid, const AprTable::Result& result,
                   const std::optional<Audit>& audit);
