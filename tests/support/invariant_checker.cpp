#include "support/invariant_checker.h"

#include "help_window/form2.h"
#include "main_window/form1.h"
#include "support/calcul_runs.h"
#include "support/diagram_invariants.h"
#include "support/form_controls.h"
#include "support/move_landing.h"

#include <QApplication>
#include <QLocale>

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

// Everything but SpotHit, which only links the steps of one pointer move.
auto fieldsOf(const DiagramState& s)
{
    return std::tie(s.ScaleKnots, s.TwipsPerKnot, s.Radius, s.CenterX, s.CenterY, s.Pi, s.Vmg, s.BoatX, s.BoatY,
                    s.CurrentX, s.CurrentY, s.GroundX, s.GroundY, s.WindX, s.WindY, s.SegCurrentX, s.SegCurrentY,
                    s.MeanCurrentSpeed, s.MeanGroundSpeed, s.MeanCog, s.MeanCurrentDir, s.SegmentText, s.LastSegment,
                    s.SegmentCount);
}

// Everything but the help text, which the help button rebuilds.
auto fieldsOf(const Form1Variables& v)
{
    return std::tie(v.LabelText, v.Dx, v.Dy, v.GroundHeading, v.CurrentHeading, v.BoatHeading, v.WindDir,
                    v.WindAngleBoat, v.WindAngleGround, v.SumCurrentX, v.SumCurrentY, v.MeanGroundX, v.MeanGroundY);
}

// What no event but a scale click may change.
auto frameOf(const DiagramState& s) { return std::tie(s.ScaleKnots, s.TwipsPerKnot, s.Radius, s.CenterX, s.CenterY); }

} // namespace

InvariantChecker::InvariantChecker(Form1& form, const DiagramState& state)
    : form_(form), calculRuns_(form), state_(state), grammar_(QLocale().decimalPoint())
{
}

void InvariantChecker::beforeEvent() { before_ = now(); }

InvariantChecker::Moment InvariantChecker::now() const
{
    Moment moment{state_, form_.var, {}, calculRuns_.count()};
    View& view = moment.view;
    for (const toolkit::Label* label : labelsOf(form_)) {
        view.geometry.insert(view.geometry.end(), {label->left(), label->top(), label->width(), label->height()});
        view.visibility.push_back(label->visible());
        view.captions.push_back(label->caption());
        view.colours.push_back(label->backColor().rgba());
    }
    for (const toolkit::Shape* shape : shapesOf(form_)) {
        view.geometry.insert(view.geometry.end(), {shape->left(), shape->top(), shape->width(), shape->height()});
        view.visibility.push_back(shape->visible());
    }
    for (const toolkit::Line* line : linesOf(form_)) {
        view.geometry.insert(view.geometry.end(), {line->x1(), line->y1(), line->x2(), line->y2()});
        view.visibility.push_back(line->visible());
    }
    for (int i = 0; i < form_.Cinq.size(); ++i)
        view.colours.push_back(form_.Cinq(i).backColor().rgba());
    return moment;
}

QStringList InvariantChecker::brokenAfter(const DiagramEvent& event) const
{
    QStringList broken = brokenDiagramInvariants(form_, state_, grammar_);
    std::visit(
        [&](const auto& e) {
            using Event = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<Event, PointerMove>)
                checkMove(e, broken);
            else if constexpr (std::is_same_v<Event, HourClick>)
                checkHourClick(e.index, broken);
            else if constexpr (std::is_same_v<Event, EraseClick>)
                checkEraseClick(e.index, broken);
            else if constexpr (std::is_same_v<Event, ScaleClick>)
                checkScaleClick(e.index, broken);
            else
                checkHelpEvent(std::is_same_v<Event, HelpClick>, broken);
        },
        event);
    checkWindows(broken);
    return broken;
}

void InvariantChecker::checkNothingChanged(QStringList& broken) const
{
    const Moment after = now();
    if (fieldsOf(after.state) != fieldsOf(before_.state))
        broken << QStringLiteral("the diagram state changed");
    if (fieldsOf(after.var) != fieldsOf(before_.var))
        broken << QStringLiteral("the window's working values changed");
    if (after.view != before_.view)
        broken << QStringLiteral("the window's controls changed");
    checkCalculRuns(0, broken);
}

void InvariantChecker::checkCalculRuns(long expected, QStringList& broken) const
{
    const long runs = calculRuns_.count() - before_.calculRuns;
    if (runs != expected)
        broken << QStringLiteral("Calcul ran %1 times, not %2").arg(runs).arg(expected);
}

void InvariantChecker::checkMove(const PointerMove& move, QStringList& broken) const
{
    const DiagramState& was = before_.state;
    const Landing landing = landingOf(move, form_, was);
    if (landing.moved == Moved::Nothing) {
        checkNothingChanged(broken);
        return;
    }
    const DiagramState& s = state_;
    const auto expect = [&](Moved which, Offset was, Offset is) {
        const Offset wanted = landing.moved == which ? landing.at : was;
        if (!(is == wanted))
            broken << QStringLiteral("moving %1: %2 is %3, not %4")
                          .arg(QLatin1String(nameOf(landing.moved)), QLatin1String(nameOf(which)), text(is), text(wanted));
    };
    expect(Moved::Boat, {was.BoatX, was.BoatY}, {s.BoatX, s.BoatY});
    expect(Moved::Current, {was.CurrentX, was.CurrentY}, {s.CurrentX, s.CurrentY});
    expect(Moved::Wind, {was.WindX, was.WindY}, {s.WindX, s.WindY});
    if (frameOf(s) != frameOf(was) || s.SegCurrentX != was.SegCurrentX || s.SegCurrentY != was.SegCurrentY)
        broken << QStringLiteral("a pointer move changed the scale or the hour records");
    checkCalculRuns(1, broken);
}

void InvariantChecker::checkHourClick(int index, QStringList& broken) const
{
    const DiagramState& was = before_.state;
    // A recorded hour keeps its first record.
    const bool wasRecorded = was.SegCurrentX[index] != 0 || was.SegCurrentY[index] != 0;
    if (wasRecorded) {
        checkNothingChanged(broken);
        return;
    }
    const DiagramState& s = state_;
    // A slack hour is kept as a vanishingly small current.
    const Offset current = was.CurrentX == 0 && was.CurrentY == 0 ? Offset{0.01f, 0} : Offset{was.CurrentX, was.CurrentY};
    if (!(Offset{s.CurrentX, s.CurrentY} == current) || !(Offset{s.SegCurrentX[index], s.SegCurrentY[index]} == current))
        broken << QStringLiteral("hour %1 recorded %2 with the current at %3")
                      .arg(index)
                      .arg(text({s.SegCurrentX[index], s.SegCurrentY[index]}), text({was.CurrentX, was.CurrentY}));
    for (int i = 0; i < form1_design::HourRows; ++i)
        if (i != index && (s.SegCurrentX[i] != was.SegCurrentX[i] || s.SegCurrentY[i] != was.SegCurrentY[i]))
            broken << QStringLiteral("recording hour %1 changed hour %2").arg(index).arg(i);
    if (frameOf(s) != frameOf(was) || s.BoatX != was.BoatX || s.BoatY != was.BoatY || s.WindX != was.WindX
        || s.WindY != was.WindY)
        broken << QStringLiteral("recording hour %1 moved the boat, the wind or the frame").arg(index);
    checkCalculRuns(1, broken);
}

void InvariantChecker::checkEraseClick(int index, QStringList& broken) const
{
    const DiagramState& was = before_.state;
    const bool wasRecorded = was.SegCurrentX[index] != 0 || was.SegCurrentY[index] != 0;
    if (!wasRecorded) {
        checkNothingChanged(broken);
        return;
    }
    const DiagramState& s = state_;
    for (int i = 0; i < form1_design::HourRows; ++i) {
        const bool kept = s.SegCurrentX[i] == was.SegCurrentX[i] && s.SegCurrentY[i] == was.SegCurrentY[i];
        const bool erased = s.SegCurrentX[i] == 0 && s.SegCurrentY[i] == 0;
        if (i == index ? !erased : !kept)
            broken << QStringLiteral("erasing hour %1 left hour %2 at %3")
                          .arg(index)
                          .arg(i)
                          .arg(text({s.SegCurrentX[i], s.SegCurrentY[i]}));
    }
    if (frameOf(s) != frameOf(was) || s.BoatX != was.BoatX || s.BoatY != was.BoatY || s.CurrentX != was.CurrentX
        || s.CurrentY != was.CurrentY || s.WindX != was.WindX || s.WindY != was.WindY)
        broken << QStringLiteral("erasing hour %1 moved a vector or the frame").arg(index);
    checkCalculRuns(1, broken);
}

void InvariantChecker::checkScaleClick(int index, QStringList& broken) const
{
    const DiagramState& was = before_.state;
    const DiagramState& s = state_;
    if (s.ScaleKnots != form1_design::ScaleKnots.at(static_cast<std::size_t>(index)) || s.TwipsPerKnot != s.Radius / s.ScaleKnots)
        broken << QStringLiteral("scale button %1 gave %2 knots, %3 twips per knot")
                      .arg(index)
                      .arg(s.ScaleKnots)
                      .arg(s.TwipsPerKnot);

    const double r = s.Radius;
    const auto isDefault = [](float value, double wanted) { return std::fabs(value - wanted) < 1e-3; };
    if (!isDefault(s.BoatX, -0.5 * r) || !isDefault(s.BoatY, -0.5 * r) || !isDefault(s.CurrentX, 0.2 * r)
        || !isDefault(s.CurrentY, -0.2 * r) || s.WindX != -10 || s.WindY != 10)
        broken << QStringLiteral("after a scale click: boat %1, current %2, wind %3")
                      .arg(text({s.BoatX, s.BoatY}), text({s.CurrentX, s.CurrentY}), text({s.WindX, s.WindY}));

    int recordedBefore = 0;
    for (int i = 0; i < form1_design::HourRows; ++i) {
        if (s.SegCurrentX[i] != 0 || s.SegCurrentY[i] != 0)
            broken << QStringLiteral("hour %1 is still recorded after a scale click").arg(i);
        if (form_.Heure(i).value())
            broken << QStringLiteral("hour button %1 is still marked after a scale click").arg(i);
        if (was.SegCurrentX[i] != 0 || was.SegCurrentY[i] != 0)
            ++recordedBefore;
    }
    // Start-up clears the records before it erases the rows, so no run of
    // Calcul finds a record to average: the means keep their values.
    if (std::tie(s.MeanCurrentSpeed, s.MeanCurrentDir, s.MeanGroundSpeed, s.MeanCog)
        != std::tie(was.MeanCurrentSpeed, was.MeanCurrentDir, was.MeanGroundSpeed, was.MeanCog))
        broken << QStringLiteral("a scale click changed the means");
    // Start-up runs Calcul once, each erased hour once more, and the scale
    // handler once after start-up.
    checkCalculRuns(recordedBefore + 2, broken);
}

void InvariantChecker::checkHelpEvent(bool opening, QStringList& broken) const
{
    checkNothingChanged(broken);
    const Form2* help = form_.helpWindow();
    if (opening && !(help && help->isVisible()))
        broken << QStringLiteral("a click on Aide left no help window open");
    if (!opening && help)
        broken << QStringLiteral("the help window is still there after its close box");
}

void InvariantChecker::checkWindows(QStringList& broken) const
{
    const long windows = QApplication::topLevelWidgets().size();
    const long wanted = form_.helpWindow() ? 2 : 1;
    if (windows != wanted)
        broken << QStringLiteral("%1 top-level windows, not %2").arg(windows).arg(wanted);
}
