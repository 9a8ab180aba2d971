#include "AprTable.h"
#include "CalcErrors.h"
#include "Regional.h"

#include <QTest>

using namespace AprTable;

namespace {

// Records every read of the inputs, in order.
struct RecordingInput : Values {
    mutable QStringList reads;
    double fee(int i) const override { return reads << QStringLiteral("fee%1").arg(i), Values::fee(i); }
    double rate() const override { return reads << QStringLiteral("rate"), Values::rate(); }
    double loan() const override { return reads << QStringLiteral("loan"), Values::loan(); }
    double term() const override { return reads << QStringLiteral("term"), Values::term(); }
    int loanStepIndex() const override { return reads << QStringLiteral("loanStep"), Values::loanStepIndex(); }
    int feeStepIndex() const override { return reads << QStringLiteral("feeStep"), Values::feeStepIndex(); }
};

// Records every write, in order, on top of the grid.
struct RecordingGrid : Grid {
    QStringList events;
    void totalWritten(double total) override
    {
        Grid::totalWritten(total);
        events << QStringLiteral("total %1").arg(total);
    }
    void termReset() override
    {
        Grid::termReset();
        events << QStringLiteral("reset");
    }
    void cellWritten(int c, int r, const QString& text) override
    {
        Grid::cellWritten(c, r, text);
        events << QStringLiteral("(%1,%2)").arg(c).arg(r);
    }
};

const char* const DefaultTable[Rows][Columns] = {
    {" Loan/Fees", "IR", "$0.00", "$1,000.00", "$2,000.00", "$3,000.00", "$4,000.00", "$5,000.00"},
    {"$95,000.00", "8.750%", "8.750%", "8.866%", "8.981%", "9.096%", "9.211%", "9.325%"},
    {"$96,000.00", "8.750%", "8.750%", "8.865%", "8.979%", "9.093%", "9.206%", "9.319%"},
    {"$97,000.00", "8.750%", "8.750%", "8.864%", "8.977%", "9.089%", "9.201%", "9.313%"},
    {"$98,000.00", "8.750%", "8.750%", "8.862%", "8.974%", "9.086%", "9.197%", "9.308%"},
    {"$99,000.00", "8.750%", "8.750%", "8.861%", "8.972%", "9.082%", "9.192%", "9.302%"},
    {"$100,000.00", "8.750%", "8.750%", "8.860%", "8.970%", "9.079%", "9.188%", "9.296%"},
    {"$101,000.00", "8.750%", "8.750%", "8.859%", "8.968%", "9.076%", "9.184%", "9.291%"},
    {"$102,000.00", "8.750%", "8.750%", "8.858%", "8.965%", "9.073%", "9.179%", "9.286%"},
    {"$103,000.00", "8.750%", "8.750%", "8.857%", "8.963%", "9.069%", "9.175%", "9.281%"},
    {"$104,000.00", "8.750%", "8.750%", "8.856%", "8.961%", "9.066%", "9.171%", "9.276%"},
    {"$105,000.00", "8.750%", "8.750%", "8.855%", "8.959%", "9.063%", "9.167%", "9.271%"},
};

// The table texts as the grid shows them: every percent cell below the header has one space.
QString expectedDefault(int c, int r)
{
    const QString text = QLatin1String(DefaultTable[r][c]);
    return r >= 1 && c >= 1 ? QLatin1Char(' ') + text : text;
}

QStringList rowTexts(const Grid& grid, int r)
{
    QStringList texts;
    for (int c = 0; c < Columns; ++c)
        texts << grid.cells[r][c];
    return texts;
}

} // namespace

class AprTableTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void defaultInputsGiveTheDefaultTableCellForCell();
    void inputsAreReadAndCellsWrittenInTheirOrder();
    void feeTotalAddsTheEightFeesAndStepsTheHeader();
    void aTermOfZeroOrLessIsReplacedByThirtyYears_data();
    void aTermOfZeroOrLessIsReplacedByThirtyYears();
    void aOneYearTermShowsTheCappedIteration();
    void aZeroRateShowsWhereTheIterationStopped();
    void aLoanOfZeroFailsAfterTheCellsBeforeIt();
    void conversionFailuresComeBeforeAnyCell_data();
    void conversionFailuresComeBeforeAnyCell();
    void aRateOfMinus1200FailsAtTheFirstAprCell();
    void negativeAmountsTakeTheNegativeCurrencyForm();
    void everyStepIndexMapsToItsAmount();
};

void AprTableTest::defaultInputsGiveTheDefaultTableCellForCell()
{
    Grid grid;
    const Result result = build(Values{}, grid);
    QCOMPARE(result.feeTotal, 0.0);
    QCOMPARE(result.payments, 360);
    QVERIFY(!result.termReset);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            QCOMPARE(grid.cells[r][c], expectedDefault(c, r));
    QCOMPARE(grid.written, CellCount);
}

void AprTableTest::inputsAreReadAndCellsWrittenInTheirOrder()
{
    RecordingInput input;
    RecordingGrid grid;
    build(input, grid);
    QCOMPARE(input.reads, QStringList({"fee0", "fee1", "fee2", "fee3", "fee4", "fee5", "fee6",
                                       "fee7", "rate", "loan", "term", "loanStep", "feeStep"}));
    QCOMPARE(grid.events.size(), 1 + CellCount);
    QCOMPARE(grid.events.first(), QStringLiteral("total 0"));
    QStringList cells = grid.events.mid(1);
    QCOMPARE(cells.mid(0, 7), QStringList({"(1,0)", "(2,0)", "(3,0)", "(4,0)", "(5,0)", "(6,0)", "(7,0)"}));
    QCOMPARE(cells.at(7), QStringLiteral("(0,1)"));
    QCOMPARE(cells.at(18), QStringLiteral("(1,1)"));
    QCOMPARE(cells.mid(29, 3), QStringList({"(2,1)", "(2,2)", "(2,3)"}));
    QCOMPARE(cells.last(), QStringLiteral("(7,11)"));
    for (int i = 0; i < CellCount; ++i)
        QCOMPARE(cells.at(i), QStringLiteral("(%1,%2)").arg(writeOrder()[i].column).arg(writeOrder()[i].row));
}

void AprTableTest::feeTotalAddsTheEightFeesAndStepsTheHeader()
{
    Values input;
    input.fees = {1500, 1000, 250.50, 0, 0, 15, 75, 100};
    input.feeStep = 1;
    Grid grid;
    QCOMPARE(build(input, grid).feeTotal, 2940.50);
    QCOMPARE(rowTexts(grid, 0).mid(2), QStringList({"$2,940.50", "$3,190.50", "$3,440.50", "$3,690.50",
                                                    "$3,940.50", "$4,190.50"}));
    input.rateValue = 7.5;
    input.termValue = 15;
    input.loanStep = 5;
    build(input, grid);
    QCOMPARE(rowTexts(grid, 6), QStringList({"$100,000.00", " 7.500%", " 7.977%", " 8.017%", " 8.057%",
                                             " 8.097%", " 8.137%", " 8.177%"}));
}

void AprTableTest::aTermOfZeroOrLessIsReplacedByThirtyYears_data()
{
    QTest::addColumn<double>("term");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("minus five") << -5.0;
}

void AprTableTest::aTermOfZeroOrLessIsReplacedByThirtyYears()
{
    QFETCH(double, term);
    Values input;
    input.termValue = term;
    RecordingGrid grid;
    const Result result = build(input, grid);
    QVERIFY(result.termReset);
    QCOMPARE(result.payments, 360);
    QCOMPARE(grid.events.mid(0, 3), QStringList({"total 0", "reset", "(1,0)"}));
    QCOMPARE(grid.events.count(QStringLiteral("reset")), 1);
    Grid thirty;
    build(Values{}, thirty);
    QCOMPARE(grid.cells, thirty.cells);
}

void AprTableTest::aOneYearTermShowsTheCappedIteration()
{
    Values input;
    input.termValue = 1;
    Grid grid;
    build(input, grid);
    QCOMPARE(rowTexts(grid, 6).mid(2), QStringList({" 8.824%", " 10.662%", " 12.515%", " 14.372%",
                                                    " 16.220%", " 18.058%"}));
    for (int r = 1; r < Rows; ++r)
        QCOMPARE(grid.cells[r][2], QStringLiteral(" 8.824%"));
}

void AprTableTest::aZeroRateShowsWhereTheIterationStopped()
{
    Values input;
    input.rateValue = 0;
    Grid grid;
    build(input, grid);
    for (int r = 1; r < Rows; ++r) {
        QCOMPARE(grid.cells[r][1], QStringLiteral(" 0.000%"));
        QCOMPARE(grid.cells[r][2], QStringLiteral(" 0.088%"));
    }
    QCOMPARE(grid.cells[6][3], QStringLiteral(" 0.127%"));
}

void AprTableTest::aLoanOfZeroFailsAfterTheCellsBeforeIt()
{
    Values input;
    input.loanValue = 3000;
    RecordingGrid grid;
    QVERIFY_THROWS_EXCEPTION(EMathError, build(input, grid));
    QCOMPARE(grid.events.last(), QStringLiteral("(2,2)"));
    QCOMPARE(grid.written, 7 + 11 + 11 + 2);
    QCOMPARE(grid.cells[1][0], QStringLiteral("($2,000.00)"));
    QCOMPARE(grid.cells[3][0], QStringLiteral("$0.00"));
    QCOMPARE(grid.cells[11][0], QStringLiteral("$8,000.00"));
    QVERIFY(!grid.cells[1][2].isEmpty());
    QVERIFY(!grid.cells[2][2].isEmpty());
    QVERIFY(grid.cells[3][2].isEmpty());
}

void AprTableTest::conversionFailuresComeBeforeAnyCell_data()
{
    QTest::addColumn<double>("term");
    QTest::addColumn<int>("loanStep");
    QTest::addColumn<int>("feeStep");
    QTest::addColumn<QString>("message");
    QTest::newRow("fractional term") << 2.5 << 3 << 3 << "'2.5' is not a valid integer value";
    QTest::newRow("term beyond 15 digits") << 1e20 << 3 << 3 << "'1E20' is not a valid integer value";
    QTest::newRow("no loan step") << 30.0 << -1 << 3 << "'' is not a valid floating point value";
    QTest::newRow("no fee step") << 30.0 << 3 << 9 << "'' is not a valid floating point value";
}

void AprTableTest::conversionFailuresComeBeforeAnyCell()
{
    QFETCH(double, term);
    QFETCH(int, loanStep);
    QFETCH(int, feeStep);
    QFETCH(QString, message);
    Values input;
    input.termValue = term;
    input.loanStep = loanStep;
    input.feeStep = feeStep;
    RecordingGrid grid;
    try {
        build(input, grid);
        QFAIL("no conversion error raised");
    } catch (const EConvertError& e) {
        QCOMPARE(e.message(), message);
    }
    QCOMPARE(grid.events, QStringList({"total 0"}));
}

void AprTableTest::aRateOfMinus1200FailsAtTheFirstAprCell()
{
    Values input;
    input.rateValue = -1200;
    RecordingGrid grid;
    QVERIFY_THROWS_EXCEPTION(EMathError, build(input, grid));
    QCOMPARE(grid.written, 7 + 11 + 11);
    QCOMPARE(grid.cells[1][1], QStringLiteral(" -1200.000%"));
}

void AprTableTest::negativeAmountsTakeTheNegativeCurrencyForm()
{
    Values input;
    input.loanValue = 1000;
    input.loanStep = 0;
    input.fees[0] = -5000;
    Grid grid;
    build(input, grid);
    QCOMPARE(grid.cells[0][2], QStringLiteral("($5,000.00)"));
    QCOMPARE(grid.cells[1][0], QStringLiteral("$500.00"));
}

void AprTableTest::everyStepIndexMapsToItsAmount()
{
    const double steps[] = {100, 250, 500, 1000, 2000, 2500, 3000, 4000, 5000};
    for (int i = 0; i < StepCount; ++i)
        QCOMPARE(stepAmount(i), steps[i]);
}

QTEST_GUILESS_MAIN(AprTableTest)
#include "tst_apr_table.moc"
