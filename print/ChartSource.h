#pragma once

#include <QString>

// What the APR chart reads: the table's cell texts and row count, and the three input values
// shown in its page header. The value reads may raise EConvertError.
class ChartSource {
public:
    virtual ~ChartSource() = default;
    virtual QString cellText(int column, int row) const = 0;
    virtual int rowCount() const = 0;
    virtual double loanValue() const = 0;
    virtual double rateValue() const = 0;
    virtual double termValue() const = 0;
};
