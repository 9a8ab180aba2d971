#include "CalcErrors.h"
#include "NumberText.h"
#include "Options.h"
#include "Regional.h"
#include "Report.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

enum Exit { Done = 0, CalculationFailed = 1, BadUsage = 2 };

// Remembers the last cell written, so a math error can name the cell that failed.
struct TrackingGrid : AprTable::Grid {
    int nextCell = 0;
    void cellWritten(int column, int row, const QString& text) override
    {
        AprTable::Grid::cellWritten(column, row, text);
        ++nextCell;
    }
};

double number(const std::optional<QString>& text, double startValue)
{
    return text ? NumberText::strToFloat(*text, Regional::decimalSeparator()) : startValue;
}

AprTable::Values inputsOf(const Options& options)
{
    AprTable::Values values;
    for (int i = 0; i < AprTable::FeeCount; ++i)
        values.fees[i] = number(options.fees[i], 0.0);
    values.rateValue = number(options.rate, values.rateValue);
    values.loanValue = number(options.loan, values.loanValue);
    values.termValue = number(options.years, values.termValue);
    values.loanStep = options.loanStepIndex;
    values.feeStep = options.feeStepIndex;
    return values;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvalen-table"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    Options options;
    try {
        options = parseOptions(app.arguments().mid(1));
    } catch (const UsageError& e) {
        err << "corvalen-table: " << e.message << "\nTry 'corvalen-table --help'.\n";
        return BadUsage;
    }
    if (options.help) {
        out << usageText();
        return Done;
    }
    if (options.version) {
        out << "corvalen-table 1.0\n";
        return Done;
    }
    if (!options.locale.isEmpty())
        Regional::setLocale(QLocale(options.locale));

    TrackingGrid grid;
    try {
        const AprTable::Values inputs = inputsOf(options);
        const AprTable::Result result = AprTable::build(inputs, grid);
        if (result.termReset)
            err << "corvalen-table: The number of years must be greater than 0.\n";
        std::optional<Audit> audit;
        if (options.audit)
            audit = auditTable(inputs, result);
        switch (options.format) {
        case Options::Format::Csv: out << renderCsv(grid); break;
        case Options::Format::Json: out << renderJson(grid, result, audit); break;
        case Options::Format::Text: out << renderText(grid, result, audit); break;
        }
    } catch (const EConvertError& e) {
        err << "corvalen-table: conversion error: " << e.message() << '\n';
        return CalculationFailed;
    } catch (const EMathError& e) {
        const AprTable::Cell cell = AprTable::writeOrder()[grid.nextCell];
        err << "corvalen-table: math error at cell (" << cell.column << ", " << cell.row
            << "): " << e.what() << '\n';
        return CalculationFailed;
    }
    return Done;
}
