#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The 12 x 8 APR table: eleven loan amounts around the base against six fee amounts.
namespace AprTable {

inline constexpr int Columns = 8;
inline constexpr int Rows = 12;
inline constexpr int FeeCount = 8;
inline constexpr int CellCount = 95; // every cell but (0, 0)
inline constexpr int RateColumn = 1;
inline constexpr int BaseRow = 6;     // the base loan amount
inline constexpr int StepCount = 9;
inline constexpr std::array<const char*, StepCount> StepTexts = {
    "100", "250", "500", "1000", "2000", "2500", "3000", "4000", "5000"};

struct Cell {
    int column;
    int row;
};

// The order in which a build writes its cells.
const std::array<Cell, CellCount>& writeOrder();

// Where the inputs come from, read in this order: the eight fees, then rate, loan, term, then
// the loan and fee step indexes. A read may raise EConvertError, which ends the build there.
class Input {
public:
    virtual ~Input() = default;
    virtual double fee(int index) const = 0;
    virtual double rate() const = 0;
    virtual double loan() const = 0;
    virtual double term() const = 0;
    virtual int loanStepIndex() const = 0;
    virtual int feeStepIndex() const = 0;
};

// Receives each result the moment it is made, so a failed build leaves what came before it.
class Sink {
public:
    virtual ~Sink() = default;
    virtual void totalWritten(double feeTotal) = 0;
    virtual void termReset() = 0; // the term was 0 or less and 30 years are used instead
    virtual void cellWritten(int column, int row, const QString& text) = 0;
};

// What a complete build found, besides the texts.
struct Result {
    double feeTotal = 0.0;
    bool termReset = false;
    std::int64_t payments = 0;
    double loanStep = 0.0;
    double feeStep = 0.0;
    std::array<double, 11> loans{};     // L - 5s .. L + 5s
    std::array<double, 6> feeAmounts{}; // F .. F + 5f
    std::array<std::array<double, 6>, 11> apr{}; // [row - 1][column - 2]
    std::array<std::array<int, 6>, 11> steps{};   // iteration steps of each APR
};

// Runs one build. Raises EConvertError or EMathError where the inputs fail.
Result build(const Input& input, Sink& sink);

// The step amount of a radio-group index; an index outside 0..8 reads the empty text.
double stepAmount(int index);

// Plain inputs, for callers without a window.
struct Values : Input {
    std::array<double, FeeCount> fees{};
    double rateValue = 8.75;
    double loanValue = 100000.0;
    double termValue = 30.0;
    int loanStep = 3;
    int feeStep = 3;

    double fee(int index) const override { return fees[index]; }
    double rate() const override { return rateValue; }
    double loan() const override { return loanValue; }
    double term() const override { return termValue; }
    int loanStepIndex() const override { return loanStep; }
    int feeStepIndex() const override { return feeStep; }
};

// A sink that keeps the texts of a 12 x 8 grid, with (0, 0) as the program starts it.
struct Grid : Sink {
    std::array<std::array<QString, Columns>, Rows> cells; // [row][column]
    double feeTotal = 0.0;
    bool termWasReset = false;
    int written = 0;

    Grid();
    void totalWritten(double total) override { feeTotal = total; }
    void termReset() override { termWasReset = true; }
    void cellWritten(int column, int row, const QString& text) override
    {
        cells[row][column] = text;
        ++written;
    }
};

inline const QString CornerText = QStringLiteral(" Loan/Fees");

} // namespace AprTable
