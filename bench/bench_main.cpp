#include <benchmark/benchmark.h>

#include <QApplication>

// The benchmarks drive the real windows with no display. Qt reads
// QT_SCALE_FACTOR as it starts, so the device pixel ratio is chosen by the
// caller's environment (see run_benchmarks.sh).
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
