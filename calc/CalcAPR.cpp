#include "Solvers.h"
#include "CalcErrors.h"
#include "NumberText.h"
#include "Regional.h"
#include "Storage.h"

std::int64_t YearsOfPayments(std::int64_t payments)
{
    const double years = static_cast<double>(payments) * (1.0 / 12.0);
    return NumberText::strToInt(NumberText::general(years, 15, Regional::decimalSeparator()));
}

IRSolution SolveAPR(double financed, double noteRate, double loan, std::int64_t payments)
{
    const double monthly = Storage::hold(noteRate * (1.0 / 1200.0));
    const double payment = Storage::hold(CalcPayment(financed, monthly, payments));
    return SolveIR(loan, 0.0, payment, YearsOfPayments(payments));
}

double CalcAPR(double financed, double noteRate, double loan, std::int64_t payments)
{
    return SolveAPR(financed, noteRate, loan, payments).rate;
}
