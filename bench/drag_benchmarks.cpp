#include "heap_counter/heap_counter.h"
#include "support/recorded_tool.h"

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QGuiApplication>
#include <QString>

namespace {

QString densityLabel(const Form1& form)
{
    return QStringLiteral("device pixel ratio %1, %2, accessibility %3")
        .arg(form.devicePixelRatioF())
        .arg(QGuiApplication::platformName(), QAccessible::isActive() ? "active" : "inactive");
}

// Heap allocations per iteration, read from the binary's own malloc counter.
class AllocationCounter {
public:
    explicit AllocationCounter(benchmark::State& state) : state_(state), start_(heap::allocations()) {}
    ~AllocationCounter()
    {
        state_.counters["allocs"] = benchmark::Counter(static_cast<double>(heap::allocations() - start_),
                                                       benchmark::Counter::kAvgIterations);
    }
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

private:
    benchmark::State& state_;
    std::uint64_t start_;
};

// Calcul as a drag runs it: the boat vector alternates between two values,
// so every call rewrites positions and captions that really change.
void BM_Calcul(benchmark::State& state)
{
    RecordedTool tool;
    DiagramState& s = tool.state();
    const float boatX[2] = {s.BoatX, s.BoatX + 60};
    int next = 0;
    {
        AllocationCounter counter(state);
        for (auto _ : state) {
            s.BoatX = boatX[next];
            next = 1 - next;
            tool.form().Calcul();
        }
    }
    tool.paintFrame();
}
BENCHMARK(BM_Calcul);

// Calcul with nothing changed since the last call: the arithmetic and the
// captions it builds, and no control to repaint.
void BM_CalculUnchanged(benchmark::State& state)
{
    RecordedTool tool;
    tool.form().Calcul();
    AllocationCounter counter(state);
    for (auto _ : state)
        tool.form().Calcul();
}
BENCHMARK(BM_CalculUnchanged);

// One drag step: the pointer move through Qt's dispatch, form_MouseMove and
// its Calcul, and the frame that paints what changed.
void BM_DragStep(benchmark::State& state)
{
    RecordedTool tool;
    BoatDrag drag(tool);
    drag.step();
    drag.step();
    state.SetLabel(densityLabel(tool.form()).toStdString());
    AllocationCounter counter(state);
    for (auto _ : state)
        drag.step();
}
BENCHMARK(BM_DragStep);

// The whole window painted again, as when it is uncovered: the frame a drag
// step would cost if it repainted everything.
void BM_FullRepaint(benchmark::State& state)
{
    RecordedTool tool;
    state.SetLabel(densityLabel(tool.form()).toStdString());
    for (auto _ : state) {
        tool.form().update();
        tool.paintFrame();
    }
}
BENCHMARK(BM_FullRepaint);

// A long steady drag must leave the heap as it found it.
void BM_SteadyDrag(benchmark::State& state)
{
    constexpr int Steps = 100'000;
    RecordedTool tool;
    BoatDrag drag(tool);
    // Qt fills its glyph and font caches on the first frames.
    for (int i = 0; i < 100; ++i)
        drag.step();
    state.SetLabel(densityLabel(tool.form()).toStdString());
    for (auto _ : state) {
        const std::int64_t before = heap::bytesInUse();
        for (int i = 0; i < Steps; ++i)
            drag.step();
        const std::int64_t after = heap::bytesInUse();
        state.counters["heap_before"] = static_cast<double>(before);
        state.counters["heap_after"] = static_cast<double>(after);
        state.counters["heap_growth"] = static_cast<double>(after - before);
    }
}
BENCHMARK(BM_SteadyDrag)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

} // namespace
