#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>

// The benchmarks drive the real windows with no display, unless the caller
// chose a platform: beside a screen reader, on X11 (see run_benchmarks.sh).
// Qt reads QT_SCALE_FACTOR as it starts, so the device pixel ratio is chosen
// by the caller's environment too.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // Qt's AT-SPI bridge switches accessibility on once it has reached the bus.
    QElapsedTimer waited;
    waited.start();
    while (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") && !QAccessible::isActive()
           && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
