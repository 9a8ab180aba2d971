#include "CalcErrors.h"
#include "ChartPdf.h"
#include "GridChartSource.h"
#include "NumberText.h"
#include "Options.h"
#include "PrintError.h"
#include "Regional.h"
#include "Report.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

enum Exit { Done = 0, CalculationFailed = 1, BadUsage = 2, OutputFailed = 3 };

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

QStringList commandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QtMessageHandler qtHandler = nullptr;

// The GUI start-up looks for a per-user runtime directory it does not need for a PDF; without
// one its warning would only be noise on stderr.
void quietRuntimeDirectory(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    qtHandler(type, context, text);
}

// The chart needs a GUI application but no display: it is drawn straight into the file.
std::unique_ptr<QCoreApplication> application(int& argc, char* argv[], bool gui)
{
    if (!gui)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(quietRuntimeDirectory);
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);

    Options options;
    try {
        options = parseOptions(commandLine(argc, argv));
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
    const bool pdf = !options.pdf.isEmpty();
    const std::unique_ptr<QCoreApplication> app = application(argc, argv, pdf);
    QCoreApplication::setApplicationName(QStringLiteral("corvalen-table"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    if (!options.locale.isEmpty())
        Regional::setLocale(QLocale(options.locale));

    TrackingGrid grid;
    try {
        const AprTable::Values inputs = inputsOf(options);
        const AprTable::Result result = AprTable::build(inputs, grid);
        if (result.termReset)
            err << "corvalen-table: The number of years must be greater than 0.\n";
        if (pdf) {
            // As in the window, a term that was reset shows as the 30 years used.
            const double term = result.termReset ? 30.0 : inputs.termValue;
            ChartPdf::write(options.pdf,
                            GridChartSource(grid, inputs.loanValue, inputs.rateValue, term));
            return Done;
        }
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
    } catch (const EPrintError& e) {
        err << "corvalen-table: " << e.message() << '\n';
        return OutputFailed;
    }
    return Done;
}
