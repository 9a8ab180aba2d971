#include "AprTable.h"
#include "CalcErrors.h"
#include "DisplayFormat.h"
#include "NumberText.h"
#include "Regional.h"
#include "Solvers.h"
#include "Storage.h"

namespace AprTable {

const std::array<Cell, CellCount>& writeOrder()
{
    static const std::array<Cell, CellCount> order = [] {
        std::array<Cell, CellCount> cells{};
        int i = 0;
        cells[i++] = {1, 0};
        for (int c = 2; c < Columns; ++c)
            cells[i++] = {c, 0};
        for (int r = 1; r < Rows; ++r)
            cells[i++] = {0, r};
        for (int r = 1; r < Rows; ++r)
            cells[i++] = {1, r};
        for (int c = 2; c < Columns; ++c)
            for (int r = 1; r < Rows; ++r)
                cells[i++] = {c, r};
        return cells;
    }();
    return order;
}

double stepAmount(int index)
{
    const QString text = index >= 0 && index < StepCount ? QLatin1String(StepTexts[index]) : QString();
    return NumberText::strToFloat(text, Regional::decimalSeparator());
}

Grid::Grid()
{
    cells[0][0] = CornerText;
}

Result build(const Input& input, Sink& sink)
{
    Result result;
    double total = 0.0;
    std::array<double, FeeCount> fees{};
    for (int i = 0; i < FeeCount; ++i)
        fees[i] = input.fee(i);
    for (double fee : fees)
        total = Storage::hold(total + fee);
    result.feeTotal = total;
    sink.totalWritten(total);

    const double rate = input.rate();
    const double loan = input.loan();
    const double term = input.term();

    const std::int64_t years =
        NumberText::strToInt(NumberText::general(term, 15, Regional::decimalSeparator()));
    result.payments = 12 * years;
    if (years <= 0) {
        result.payments = 360;
        result.termReset = true;
        sink.termReset();
    }

    result.loanStep = stepAmount(input.loanStepIndex());
    result.feeStep = stepAmount(input.feeStepIndex());

    auto& loans = result.loans;
    for (int k = -5; k <= 5; ++k)
        loans[k + 5] = Storage::hold(loan + k * result.loanStep);
    auto& feeAmounts = result.feeAmounts;
    for (int j = 0; j <= 5; ++j)
        feeAmounts[j] = Storage::hold(total + j * result.feeStep);

    sink.cellWritten(1, 0, QStringLiteral("IR"));
    for (int j = 0; j <= 5; ++j)
        sink.cellWritten(j + 2, 0, DisplayFormat::currency(feeAmounts[j]));
    for (int r = 1; r < Rows; ++r)
        sink.cellWritten(0, r, DisplayFormat::currency(loans[r - 1]));
    const QString rateText = DisplayFormat::percent(rate);
    for (int r = 1; r < Rows; ++r)
        sink.cellWritten(1, r, rateText);
    for (int c = 2; c < Columns; ++c) {
        for (int r = 1; r < Rows; ++r) {
            const double financed = Storage::hold(feeAmounts[c - 2] + loans[r - 1]);
            const IRSolution apr = SolveAPR(financed, rate, loans[r - 1], result.payments);
            result.apr[r - 1][c - 2] = apr.rate;
            result.steps[r - 1][c - 2] = apr.steps;
            sink.cellWritten(c, r, DisplayFormat::percent(apr.rate));
        }
    }
    return result;
}

} // namespace AprTable
