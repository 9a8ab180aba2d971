#include "FormTable.h"

#include "FnpNumericEdit.h"
#include "Look.h"
#include "Main.h"
#include "MainForm.h"
#include "Messages.h"
#include "RadioGroup.h"
#include "StringAlignGrid.h"
#include "ExplorerButton.h"

#include <QAction>
#include <QFrame>

FormTable::FormTable(MainForm& form)
    : m_form(form)
{
    m_written[0][0] = true;
}

void FormTable::run(QObject* sender)
{
    try {
        AprTable::build(*this, *this);
    } catch (...) {
        emptyUnwritten();
        throw;
    }
    finish(sender);
}

double FormTable::fee(int index) const
{
    return m_form.feeField(index)->value();
}

double FormTable::rate() const
{
    return m_form.edtInterest->value();
}

double FormTable::loan() const
{
    return m_form.edtLoan->value();
}

double FormTable::term() const
{
    return m_form.edtTerm->value();
}

int FormTable::loanStepIndex() const
{
    return m_form.rgLoan->itemIndex();
}

int FormTable::feeStepIndex() const
{
    return m_form.rgFixed->itemIndex();
}

void FormTable::totalWritten(double feeTotal)
{
    m_form.edtTotal->setValue(feeTotal);
    m_form.edtFixedFees->setValue(feeTotal);
}

void FormTable::termReset()
{
    m_form.edtTerm->setValue(30);
    Messages::information(TfrmMain::YearsPositiveMessage);
}

void FormTable::cellWritten(int column, int row, const QString& text)
{
    m_form.grdAPR->setCell(column, row, text);
    m_written[row][column] = true;
}

void FormTable::emptyUnwritten()
{
    for (int r = 0; r < AprTable::Rows; ++r)
        for (int c = 0; c < AprTable::Columns; ++c)
            if (!m_written[r][c])
                m_form.grdAPR->setCell(c, r, QString());
}

void FormTable::finish(QObject* sender)
{
    m_form.grdAPR->setCurrentCell(AprTable::BaseRow, AprTable::RateColumn);
    m_form.grdAPR->setColorCol(AprTable::RateColumn, Look::Yellow);
    m_form.grdAPR->setColorRow(AprTable::BaseRow, Look::Yellow);
    m_form.btnPrint->setEnabled(true);
    TableCalculated = 1;
    m_form.mnuPopPrint->setEnabled(true);
    if (m_form.pnlFixedFees->isVisible() && sender == m_form.edtOtherFees)
        m_form.edtOriginationFees->setFocus(Qt::OtherFocusReason);
}
