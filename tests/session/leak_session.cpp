// A whole session as a sailor runs one, from start to Exit, in the tool's
// own event loop: 10,000 drag steps of the boat, the current and the wind,
// every hour recorded and erased, the help window opened and closed 1,000
// times, a change of scale, and Exit with the help window open. Every step
// goes through Qt's event dispatch and the invariant checker, which also
// counts the top-level windows. In a sanitized build the leak checker
// reports at exit whatever the session left allocated.
#include "app/entree.h"
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

namespace {

constexpr int DragSteps = 10000;
constexpr int HelpCycles = 1000;
// Well under half a spot width, so a dragged spot follows every step.
constexpr double DragStepTwips = 20;

class Session {
public:
    Session(Form1& form, DiagramState& state) : form_(form), s_(state), checker_(form, state) {}

    void run()
    {
        dragAround(Dragged::Boat, DragSteps * 4 / 10);
        dragAround(Dragged::Current, DragSteps * 3 / 10);
        dragAround(Dragged::Wind, DragSteps * 3 / 10);
        recordAndEraseEveryHour();
        for (int cycle = 0; cycle < HelpCycles; ++cycle) {
            step(HelpClick{});
            step(HelpClose{});
        }
        step(ScaleClick{2});
        step(HelpClick{});
        std::printf("%d steps, %d broke an invariant; Exit with the help window open\n", steps_, failures_);
        QTest::mouseClick(form_.Quitter, Qt::LeftButton);
    }

    bool passed() const { return failures_ == 0; }

private:
    void step(const DiagramEvent& event)
    {
        ++steps_;
        checker_.beforeEvent();
        deliver(form_, event);
        const QStringList broken = checker_.brokenAfter(event);
        if (!broken.isEmpty())
            fail(QStringLiteral("step %1, %2: %3").arg(steps_).arg(describe(event), broken.join(QStringLiteral("; "))));
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
    // dragged, or for the wind from near the rim, clear of both spots; what
    // was dragged must have followed to the last step.
    void dragAround(Dragged what, int count)
    {
        const double x = what == Dragged::Wind ? 0 : xOf(what), y = what == Dragged::Wind ? s_.Radius * 0.95 : yOf(what);
        const double radius = std::hypot(x, y);
        double angle = std::atan2(y, x);
        moveTo(x, y);
        for (int i = 1; i < count; ++i) {
            angle += DragStepTwips / radius;
            moveTo(radius * std::cos(angle), radius * std::sin(angle));
        }
        if (std::hypot(xOf(what) - radius * std::cos(angle), yOf(what) - radius * std::sin(angle)) > 1)
            fail(QStringLiteral("the drag left %1 behind").arg(QLatin1String(nameOf(what))));
    }

    void recordAndEraseEveryHour()
    {
        for (int hour = 0; hour < 24; ++hour) {
            // A little current drag between hours, so that no two match.
            moveTo(s_.CurrentX, s_.CurrentY);
            moveTo(s_.CurrentX + DragStepTwips, s_.CurrentY);
            step(HourClick{hour});
        }
        if (s_.SegmentCount != 24)
            fail(QStringLiteral("%1 hours recorded, not 24").arg(s_.SegmentCount));
        for (int hour = 0; hour < 24; ++hour)
            step(EraseClick{hour});
    }

    Form1& form_;
    DiagramState& s_;
    InvariantChecker checker_;
    int steps_ = 0;
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
