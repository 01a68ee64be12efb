#include "FakeHidBus.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Benchmarks that need Qt's event loop, timers or painting run under one
// QApplication, headless unless the caller chose a platform. A main window
// made here enumerates an empty fake HID bus, never the machine's devices
// (the program's real start is measured by bench_process).
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakeHidBus noHidDevices;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
