#include "AprTable.h"
#include "Regional.h"

#include <benchmark/benchmark.h>

namespace {

// Counts texts without keeping them, so the figure is the build itself.
struct NullSink : AprTable::Sink {
    qsizetype characters = 0;
    void totalWritten(double) override {}
    void termReset() override {}
    void cellWritten(int, int, const QString& text) override { characters += text.size(); }
};

void buildTable(benchmark::State& state, const AprTable::Values& inputs)
{
    Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        NullSink sink;
        benchmark::DoNotOptimize(AprTable::build(inputs, sink));
        benchmark::DoNotOptimize(sink.characters);
    }
}

void DefaultInputs(benchmark::State& state)
{
    buildTable(state, AprTable::Values{});
}

// A one-year term at 5% with the smallest steps runs every one of the 66 cells to 99 steps.
void EveryCellAtTheStepCap(benchmark::State& state)
{
    AprTable::Values inputs;
    inputs.termValue = 1;
    inputs.rateValue = 5;
    inputs.loanStep = 0;
    inputs.feeStep = 0;
    buildTable(state, inputs);
}

} // namespace

BENCHMARK(DefaultInputs)->Unit(benchmark::kMicrosecond);
BENCHMARK(EveryCellAtTheStepCap)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
