// A whole session as a sailor runs one, from start to Exit, in the tool's
// own event loop: every hour recorded and erased 100 times, the help window
// opened and closed 1,000 times, 1,000 changes of scale, 10,000 drag steps
// of the boat, the current and the wind measured after the same 10,000
// once unmeasured, which fill Qt's glyph cache, a key held on the boat for 10 s at 30 repeats a
// second, and Exit with the help window open. Every step goes
// through Qt's event dispatch and the invariant checker, which also counts
// the top-level windows. Nothing may grow with use: the heap in use after
// all the repetitions of each must be what it was after the first ten. In a
// sanitized build the leak checker also reports at exit whatever the session
// left allocated.
#include "app/entree.h"
#include "heap_counter/heap_counter.h"
#include "main_window/form1.h"
#include "support/diagram_events.h"
#include "support/invariant_checker.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int DragSteps = 10000;
constexpr int HourCycles = 100;
constexpr int HelpCycles = 1000;
constexpr int ScaleChanges = 1000;
constexpr int HeldKeyRepeats = 300;
// The repetitions after which every cache Qt fills on first use is full.
constexpr int Warmup = 10;
// What the heap in use may wander by: Qt keeps a few small blocks whose size
// depends on the order events came in, but nothing that adds up.
constexpr long long HeapSlack = 512;
// Well under half a spot width, so a dragged spot follows every step.
constexpr double DragStepTwips = 20;

class Session {
public:
    Session(Form1& form, DiagramState& state) : form_(form), s_(state), checker_(form, state) {}

    void run()
    {
        // Qt keeps every glyph it has drawn, once: a first round of drags
        // shows the readouts' digits at their places before anything is
        // measured.
        drag(DragSteps);
        steadyHeap("hour cycles", HourCycles, [this](int count) {
            for (int cycle = 0; cycle < count; ++cycle)
                recordAndEraseEveryHour();
        });
        steadyHeap("help cycles", HelpCycles, [this](int count) {
            for (int cycle = 0; cycle < count; ++cycle) {
                step(HelpClick{});
                step(HelpClose{});
            }
        });
        // Every scale in turn, down to 5 knots each time.
        steadyHeap("scale changes", ScaleChanges, [this](int count) {
            for (int change = count - 1; change >= 0; --change)
                step(ScaleClick{change % 4});
        });
        // The same round once, unmeasured: the hours left the current
        // elsewhere, so its readouts show texts not drawn yet, whose glyphs
        // Qt keeps (how many, with Qt 6.8, depends on the run).
        drag(DragSteps);
        steadyHeap("drag steps", DragSteps, [this](int count) { drag(count); });
        form_.activateWindow();
        // A wait and no more: the session goes on whether or not it came.
        static_cast<void>(QTest::qWaitForWindowActive(&form_));
        form_.focusControl(&form_.Vb, Qt::TabFocusReason);
        holdKey(HeldKeyRepeats - Warmup); // every heading it passes drawn once
        steadyHeap("held key repeats", HeldKeyRepeats, [this](int count) { holdKey(count); });
        step(ScaleClick{2});
        step(HelpClick{});
        std::printf("%d steps, %d broke an invariant; Exit with the help window open\n", steps_, failures_);
        QTest::mouseClick(form_.Quitter, Qt::LeftButton);
    }

    bool passed() const { return failures_ == 0; }

private:
    // Runs one kind of use `total` times in all: the heap in use after all
    // of them must equal what it was after the first ten.
    template <class Use>
    void steadyHeap(const char* what, int total, Use use)
    {
        use(Warmup);
        const long long settled = heap::bytesInUse();
        use(total - Warmup);
        const long long grown = heap::bytesInUse() - settled;
        std::printf("%s: %lld bytes in use after %d, %+lld after %d\n", what, settled, Warmup, grown, total);
        if (std::llabs(grown) > HeapSlack)
            fail(QStringLiteral("the heap in use grew by %1 bytes over %2 %3")
                     .arg(grown)
                     .arg(total - Warmup)
                     .arg(QLatin1String(what)));
    }

    // Drag steps shared out among the boat, the current and the wind.
    void drag(int count)
    {
        const int boat = count * 4 / 10, current = count * 3 / 10;
        dragAround(Dragged::Boat, boat);
        dragAround(Dragged::Current, current);
        dragAround(Dragged::Wind, count - boat - current);
    }

    // A key held down on the focused boat, each repeat followed by what the
    // event loop does before the next. It turns the boat one way, then back:
    // the lines' kept pixels follow their extents, so the heap is compared
    // with the boat pointing the same way, once the turn has come round
    // (after the first ten, and after the last ten of 290 more).
    void holdKey(int count)
    {
        constexpr int Round = HeldKeyRepeats - Warmup;
        for (int i = 0; i < count; ++i, ++heldRepeats_) {
            const float boatX = s_.BoatX;
            QTest::keyClick(&form_, heldRepeats_ % Round < Round / 2 ? Qt::Key_Right : Qt::Key_Left);
            QCoreApplication::processEvents();
            if (s_.BoatX == boatX)
                fail(QStringLiteral("a held key left the boat where it was"));
        }
    }

    void step(const DiagramEvent& event)
    {
        ++steps_;
        checker_.beforeEvent();
        deliver(form_, event);
        const QStringList broken = checker_.brokenAfter(event);
        if (!broken.isEmpty())
            fail(QStringLiteral("step %1, %2: %3").arg(steps_).arg(describe(event), broken.join(QStringLiteral("; "))));
        // What the event loop does before the next event arrives: the window
        // system's events, the posted ones and the frames they ask for.
        QCoreApplication::processEvents();
    }

    void fail(const QString& what)
    {
        if (++failures_ <= 20)
            std::fprintf(stderr, "%s\n", qPrintable(what));
    }

    void moveTo(double x, double y)
    {
        step(PointerMove{QPointF(s_.CenterX + x, s_.CenterY + y) / toolkit::TwipsPerPixel, Qt::LeftButton, {}});
    }

    enum class Dragged { Boat, Current, Wind };

    static const char* nameOf(Dragged what)
    {
        return what == Dragged::Boat ? "the boat" : what == Dragged::Current ? "the current" : "the wind";
    }

    float& xOf(Dragged what) { return what == Dragged::Boat ? s_.BoatX : what == Dragged::Current ? s_.CurrentX : s_.WindX; }
    float& yOf(Dragged what) { return what == Dragged::Boat ? s_.BoatY : what == Dragged::Current ? s_.CurrentY : s_.WindY; }

    // Round and round the centre with the left button held, from the spot
    // dragged, or for the wind from near the rim, clear of both spots, and
    // back again, so that whatever is drawn has its first size again; what
    // was dragged must have followed to the last step.
    void dragAround(Dragged what, int count)
    {
        const double x = what == Dragged::Wind ? 0 : xOf(what), y = what == Dragged::Wind ? s_.Radius * 0.95 : yOf(what);
        const double radius = std::hypot(x, y);
        double angle = std::atan2(y, x);
        moveTo(x, y);
        const int out = (count - 1) / 2;
        for (int i = 1; i < count; ++i) {
            angle += (i <= out ? 1 : i <= 2 * out ? -1 : 0) * DragStepTwips / radius;
            moveTo(radius * std::cos(angle), radius * std::sin(angle));
        }
        if (std::hypot(xOf(what) - radius * std::cos(angle), yOf(what) - radius * std::sin(angle)) > 1)
            fail(QStringLiteral("the drag left %1 behind").arg(QLatin1String(nameOf(what))));
    }

    void recordAndEraseEveryHour()
    {
        for (int hour = 0; hour < form1_design::HourRows; ++hour) {
            // A little current drag between hours, so that no two match.
            moveTo(s_.CurrentX, s_.CurrentY);
            moveTo(s_.CurrentX + DragStepTwips, s_.CurrentY);
            step(HourClick{hour});
        }
        if (s_.SegmentCount != 24)
            fail(QStringLiteral("%1 hours recorded, not 24").arg(s_.SegmentCount));
        for (int hour = 0; hour < form1_design::HourRows; ++hour)
            step(EraseClick{hour});
    }

    Form1& form_;
    DiagramState& s_;
    InvariantChecker checker_;
    int steps_ = 0;
    int heldRepeats_ = 0;
    int failures_ = 0;
};

QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise a window and says so on every click
// on Aide; a thousand of those would bury what matters.
void quietAboutRaising(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    standardHandler = qInstallMessageHandler(quietAboutRaising);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    bool passed = false;
    int status = 0;
    {
        Entree entree;
        entree.Main();
        Session session(*entree.form1(), entree.state());
        QTimer::singleShot(0, [&session] { session.run(); });
        status = QApplication::exec();
        passed = session.passed();
    }
    if (status != 0)
        std::fprintf(stderr, "the event loop ended with status %d\n", status);
    // Qt keeps pointers to every widget, so a leaked window would escape the
    // leak checker: with the tool gone, no widget may be left.
    const auto left = QApplication::allWidgets().size();
    if (left > 0)
        std::fprintf(stderr, "widgets that outlived the tool: %lld\n", static_cast<long long>(left));
    return status == 0 && passed && left == 0 ? 0 : 1;
}
