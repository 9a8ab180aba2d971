#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// Runs the registered benchmarks inside an application object, on the offscreen platform
// unless another is asked for.
template <typename Application = QApplication>
int runGuiBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
