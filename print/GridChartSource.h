#pragma once

#include "AprTable.h"
#include "ChartSource.h"

// A chart source over a table built without a window, with the header values given directly.
class GridChartSource : public ChartSource {
public:
    GridChartSource(const AprTable::Grid& grid, double loan, double rate, double term);

    QString cellText(int column, int row) const override;
    int rowCount() const override { return AprTable::Rows; }
    double loanValue() const override { return m_loan; }
    double rateValue() const override { return m_rate; }
    double termValue() const override { return m_term; }

private:
    const AprTable::Grid& m_grid;
    double m_loan;
    double m_rate;
    double m_term;
};
