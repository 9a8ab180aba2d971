#include "GridChartSource.h"

GridChartSource::GridChartSource(const AprTable::Grid& grid, double loan, double rate,
                                 double term)
    : m_grid(grid)
    , m_loan(loan)
    , m_rate(rate)
    , m_term(term)
{
}

QString GridChartSource::cellText(int column, int row) const
{
    if (column < 0 || column >= AprTable::Columns || row < 0 || row >= AprTable::Rows)
        return {};
    return m_grid.cells[row][column];
}
