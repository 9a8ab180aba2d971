// Prints the APR chart of the default inputs through the program's real print path: the print
// command's generate-and-preview, the preview window, its Print button, the default printer.
// Exit 0 when the job was handed to the print system, 1 when printing failed.
#include "AprTable.h"
#include "GridChartSource.h"
#include "Preview.h"
#include "QRPrinter.h"
#include "Qrchart.h"
#include "ExplorerButton.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QTextStream>
#include <QTimer>
#include <exception>

namespace {

// Errors of event handlers end here, as they do at the application's exception hook.
class HookedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
            return false;
        }
    }
    QString error;
};

} // namespace

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
    if (!app.error.isEmpty()) {
        err << "corvalen-print-chart: printing failed: " << app.error << '\n';
        return 1;
    }
    out << "printed, preview closed: " << (closed ? "yes" : "no") << '\n';
    return closed ? 0 : 1;
}
