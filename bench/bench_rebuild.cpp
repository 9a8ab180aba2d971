#include "Application.h"
#include "ExplorerButton.h"
#include "FnpNumericEdit.h"
#include "Main.h"
#include "Preview.h"
#include "QRPrinter.h"
#include "Qrchart.h"
#include "StringAlignGrid.h"

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

// One rebuild on leaving a field: the computation, the 95 cell writes and the grid's repaint.
static void RebuildOnLeavingAField(benchmark::State& state)
{
    TfrmMain window;
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.CalcAPRTable(window.edtLoan);
        window.grdAPR->repaint();
    }
}
BENCHMARK(RebuildOnLeavingAField)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The print command of the main window: the rebuild, the chart's layout, the preview window
// shown and painted (its closing is not counted).
static void PrintCommandToPreviewShown(benchmark::State& state)
{
    TfrmMain window;
    TFmPreview preview;
    TQRPaymentChart chart;
    FmPreview = &preview;
    QRPaymentChart = &chart;
    window.show();
    QCoreApplication::processEvents();
    QRPrinter().OnPreview = [&] {
        preview.show();
        QCoreApplication::processEvents();
        preview.repaint();
        state.PauseTiming();
        preview.close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    };
    for (auto _ : state)
        window.btnPrintClick(window.btnPrint);
    QRPrinter().OnPreview = nullptr;
}
BENCHMARK(PrintCommandToPreviewShown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    return runGuiBenchmarks<TApplication>(argc, argv);
}
