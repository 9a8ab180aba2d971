#include "FormChartSource.h"

#include "FnpNumericEdit.h"
#include "MainForm.h"
#include "StringAlignGrid.h"

FormChartSource::FormChartSource(const MainForm& form)
    : m_form(form)
{
}

QString FormChartSource::cellText(int column, int row) const
{
    return m_form.grdAPR->cell(column, row);
}

int FormChartSource::rowCount() const
{
    return m_form.grdAPR->rowCount();
}

double FormChartSource::loanValue() const
{
    return m_form.edtLoan->value();
}

double FormChartSource::rateValue() const
{
    return m_form.edtInterest->value();
}

double FormChartSource::termValue() const
{
    return m_form.edtTerm->value();
}
