// The print command's main costs: laying the chart out into pages, the whole road from the
// print command to the preview window painted, and writing the chart as a PDF.
#include "AprTable.h"
#include "ChartPdf.h"
#include "GridChartSource.h"
#include "PageGeometry.h"
#include "Qrchart.h"
#include "QuickReport.h"

#include <QApplication>
#include <QTemporaryDir>
#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

struct Chart {
    AprTable::Grid grid;
    AprTable::Values inputs;
    GridChartSource source{grid, inputs.loanValue, inputs.rateValue, inputs.termValue};
    TQRPaymentChart chart;
    Chart()
    {
        AprTable::build(inputs, grid);
        chart.setSource(&source);
    }
};

void LayOutChart(benchmark::State& state)
{
    Chart c;
    const PageGeometry letter = PageGeometry::fromLayout(
        PageGeometry::fallbackLayout(QLocale(QLocale::English, QLocale::UnitedStates)));
    for (auto _ : state)
        benchmark::DoNotOptimize(c.chart.Rep->layOut(letter));
}
BENCHMARK(LayOutChart)->Unit(benchmark::kMillisecond);

void WriteChartPdf(benchmark::State& state)
{
    Chart c;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    for (auto _ : state)
        ChartPdf::write(file, c.source);
}
BENCHMARK(WriteChartPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runGuiBenchmarks(argc, argv);
}
