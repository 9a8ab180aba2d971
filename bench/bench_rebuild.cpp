#include "Application.h"
#include "FnpNumericEdit.h"
#include "Main.h"
#include "StringAlignGrid.h"

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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
