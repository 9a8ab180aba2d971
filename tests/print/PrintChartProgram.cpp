// Prints the APR chart of the default inputs through the program's real print path: the print
// command's generate-and-preview, the preview window, its Print button, the default printer.
// Exit 0 when the job was handed to the print system, 1 when printing failed.
#include "AprTable.h"
#include "GridChartSource.h"
#include "Preview.h"
#include "QRPrinter.h"
#include "Qrchart.h"
#include "ExplorerButton.h"
#include "HookedApplication.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QTextStream>
#include <QTimer>
#include <exception>


int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    HookedApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    AprTable::Grid grid;
    const AprTable::Values inputs;
    AprTable::build(inputs, grid);
    const GridChartSource source(grid, inputs.loanValue, inputs.rateValue, inputs.termValue);

    TFmPreview preview;
    TQRPaymentChart chart;
    chart.setSource(&source);
    bool closed = false;
    QRPrinter().OnPreview = [&] {
        QTimer::singleShot(0, &preview, [&] { preview.bbPrint->click(); });
        preview.exec();
        closed = true;
    };
    out << "default printer: " << QPrinterInfo::defaultPrinter().printerName() << '\n';
    chart.PrintPreview();
    if (!app.errors.isEmpty()) {
        err << "corvalen-print-chart: printing failed: " << app.errors.join(QLatin1Char('\n')) << '\n';
        return 1;
    }
    out << "printed, preview closed: " << (closed ? "yes" : "no") << '\n';
    return closed ? 0 : 1;
}
