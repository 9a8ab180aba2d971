#pragma once

#include "ChartSource.h"

class MainForm;

// The chart's view of the main window: the grid's texts and the loan, rate and term fields.
class FormChartSource : public ChartSource {
public:
    explicit FormChartSource(const MainForm& form);

    QString cellText(int column, int row) const override;
    int rowCount() const override;
    double loanValue() const override;
    double rateValue() const override;
    double termValue() const override;

private:
    const MainForm& m_form;
};
