// The keyboard on the diagram against the pointer: a key step on the
// focused boat (the key through Qt's dispatch, the step, Calcul and the
// frame), the announcement a screen reader hears of it, and a key held down.
#include "heap_counter/heap_counter.h"
#include "support/recorded_tool.h"
#include "toolkit/announcement.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QKeyEvent>

namespace {

// The recorded tool with the boat focused, as after Tab from the last button.
class FocusedBoat : public RecordedTool {
public:
    FocusedBoat()
    {
        form().activateWindow();
        QElapsedTimer waited;
        waited.start();
        while (!form().isActiveWindow() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        form().focusControl(&form().Vb, Qt::TabFocusReason);
        paintFrame();
    }

    // Up then Down, so that every step changes the readouts.
    void step()
    {
        QKeyEvent press(QEvent::KeyPress, up_ ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(&form(), &press);
        up_ = !up_;
        paintFrame();
    }

private:
    bool up_ = true;
};

std::string label(const FocusedBoat& tool)
{
    return QStringLiteral("device pixel ratio %1, %2, accessibility %3")
        .arg(const_cast<FocusedBoat&>(tool).form().devicePixelRatioF())
        .arg(QGuiApplication::platformName(), QAccessible::isActive() ? "active" : "inactive")
        .toStdString();
}

void BM_KeyStep(benchmark::State& state)
{
    FocusedBoat tool;
    tool.step();
    state.SetLabel(label(tool));
    for (auto _ : state)
        tool.step();
}
BENCHMARK(BM_KeyStep);

// What a key on the boat says, sent as the toolkit sends it: on X11 beside
// a listener this is what one step's announcement costs.
void BM_KeyAnnouncement(benchmark::State& state)
{
    FocusedBoat tool;
    const QString words = QString::fromUtf8("bateau, 7,2 nœuds, 315 degrés. route fond, 7,7 nœuds, 336 degrés");
    state.SetLabel(label(tool));
    for (auto _ : state)
        toolkit::announce(tool.form(), words);
}
BENCHMARK(BM_KeyAnnouncement);

// A key held down for 10 s at 30 repeats a second: the 300 steps take far
// less than the 10 s they come in, and leave the heap as it was.
void BM_HeldKey(benchmark::State& state)
{
    constexpr int Repeats = 300;
    FocusedBoat tool;
    for (int i = 0; i < 10; ++i)
        tool.step();
    state.SetLabel(label(tool));
    for (auto _ : state) {
        const std::int64_t before = heap::bytesInUse();
        for (int i = 0; i < Repeats; ++i)
            tool.step();
        state.counters["heap_growth"] = static_cast<double>(heap::bytesInUse() - before);
    }
}
BENCHMARK(BM_HeldKey)->Unit(benchmark::kMillisecond);

} // namespace
