#include <QApplication>
#include <benchmark/benchmark.h>

// Benchmarks that need Qt's event loop, timers or painting run under one
// QApplication, headless unless the caller chose a platform.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
