#include "support/diagram_invariants.h"

#include "diagram/diagram_state.h"
#include "main_window/form1.h"
#include "support/caption_grammar.h"
#include "support/form_controls.h"
#include "support/invariant_geometry.h"
#include "toolkit/system_colours.h"

using namespace plane;
using toolkit::rgb;

namespace {

class Checks {
public:
    Checks(const Form1& form, const DiagramState& state, const CaptionGrammar& grammar)
        : f(form), s(state), grammar(grammar), centre{s.CenterX, s.CenterY}, boat{s.BoatX, s.BoatY},
          current{s.CurrentX, s.CurrentY}, records(recorded(s))
    {
    }

    QStringList run()
    {
        finiteBoxes();
        triangle();
        windLine();
        vectorsInsideTheCircle();
        headingsAndAngles();
        hourRows();
        means();
        readouts();
        colours();
        scaleButtons();
        return broken;
    }

private:
    void fail(const QString& what) { broken << what; }

    double knots(Vec v) const { return length(v) / s.TwipsPerKnot; }

    void finiteBoxes()
    {
        for (const toolkit::Label* label : labelsOf(f))
            if (!std::isfinite(label->left() + label->top() + label->width() + label->height()))
                fail(QStringLiteral("label %1 has a box that is not finite").arg(quoted(label->caption())));
        for (const toolkit::Shape* shape : shapesOf(f))
            if (!std::isfinite(shape->left() + shape->top() + shape->width() + shape->height()))
                fail(QStringLiteral("a shape has a box that is not finite"));
        for (const toolkit::Line* line : linesOf(f))
            if (!std::isfinite(line->x1() + line->y1() + line->x2() + line->y2()))
                fail(QStringLiteral("a line has an end that is not finite"));
    }

    void spotOnVector(const char* name, const toolkit::Shape& spot, const toolkit::Line& line, Vec vector,
                      double slack = PositionSlack)
    {
        const Vec end = centre + vector;
        if (apart(spotCentre(spot), end) > slack)
            fail(QStringLiteral("%1 is centred on %2, not on the centre plus its vector %3")
                     .arg(QLatin1String(name), text(spotCentre(spot)), text(end)));
        if (apart(lineStart(line), centre) > slack || apart(lineEnd(line), spotCentre(spot)) > slack)
            fail(QStringLiteral("the line of %1 runs %2 to %3, not from the centre to its spot")
                     .arg(QLatin1String(name), text(lineStart(line)), text(lineEnd(line))));
        if (!spot.visible() || !line.visible())
            fail(QStringLiteral("%1 or its line is hidden").arg(QLatin1String(name)));
    }

    void tagFollows(const toolkit::Label& tag, const toolkit::Shape& spot)
    {
        if (std::fabs(tag.left() - (spot.left() - tag.width() / 1.5)) > PositionSlack
            || std::fabs(tag.top() - (spot.top() - tag.height() / 1.5)) > PositionSlack)
            fail(QStringLiteral("tag %1 does not follow its spot").arg(quoted(tag.caption())));
    }

    void triangle()
    {
        if (apart({s.GroundX, s.GroundY}, boat + current) > PositionSlack)
            fail(QStringLiteral("ground %1 is not boat plus current").arg(text({s.GroundX, s.GroundY})));
        spotOnVector("Vb", f.Vb, f.Lb, boat);
        spotOnVector("Vc", f.Vc, f.Lc, current);
        spotOnVector("Vf", f.Vf, f.Lf, boat + current);
        tagFollows(f.Boat, f.Vb);
        tagFollows(f.Flux, f.Vc);
    }

    void windLine()
    {
        const Vec tip = lineEnd(f.Lv1);
        const Vec ray{tip.x - centre.x, tip.y - centre.y};
        if (apart(lineStart(f.Lv1), centre) > PositionSlack || std::fabs(length(ray) - s.Radius) > PositionSlack
            || degreesApart(bearing(ray), f.var.WindDir) > 0.001 || !f.Lv1.visible())
            fail(QStringLiteral("the wind line to %1 does not reach the rim towards %2°").arg(text(tip)).arg(f.var.WindDir));
        const toolkit::Label& tag = f.Wind;
        if (tip.x < tag.left() - PositionSlack || tip.x > tag.left() + tag.width() + PositionSlack
            || tip.y < tag.top() - PositionSlack || tip.y > tag.top() + tag.height() + PositionSlack)
            fail(QStringLiteral("the wind tag does not touch the tip of the wind line"));
    }

    void vectorsInsideTheCircle()
    {
        for (const auto& [name, v] : {std::pair{"boat", boat}, std::pair{"current", current}})
            if (length(v) > s.Radius)
                fail(QStringLiteral("the %1 %2 lies outside the circle").arg(QLatin1String(name), text(v)));
    }

    // A whole-degree heading is its vector's bearing rounded, unless the
    // vector has no direction to give.
    void headingOf(const char* name, int heading, Vec v, bool hasDirection)
    {
        if (heading < 0 || heading > 360)
            fail(QStringLiteral("%1 heading %2 is outside 0 to 360").arg(QLatin1String(name)).arg(heading));
        else if (hasDirection && length(v) > 0 && degreesApart(heading, bearing(v)) > HalfDegreeSlack)
            fail(QStringLiteral("%1 heading %2 is not the bearing %3 of %4")
                     .arg(QLatin1String(name))
                     .arg(heading)
                     .arg(bearing(v))
                     .arg(text(v)));
    }

    void foldedAngle(const char* name, int angle, int a, int b)
    {
        const int d = std::abs(a - b);
        if (angle < 0 || angle > 180 || angle != std::min(d, 360 - d))
            fail(QStringLiteral("%1 %2 is not the angle between %3° and %4°").arg(QLatin1String(name)).arg(angle).arg(a).arg(b));
    }

    void headingsAndAngles()
    {
        const Form1Variables& v = f.var;
        headingOf("boat", v.BoatHeading, boat, true);
        headingOf("ground", v.GroundHeading, boat + current, true);
        // A current too weak to show a tenth of a knot keeps its last heading.
        const auto flow = grammar.vector(f.Flow.caption());
        headingOf("current", v.CurrentHeading, current, flow && flow->speed > 0);
        headingOf("wind", v.WindDir, {s.WindX, s.WindY}, true);
        foldedAngle("WindAngleBoat", v.WindAngleBoat, v.WindDir, v.BoatHeading);
        foldedAngle("WindAngleGround", v.WindAngleGround, v.WindDir, v.GroundHeading);
        for (const auto& [name, value] : {std::pair{"MeanCurrentDir", s.MeanCurrentDir}, std::pair{"MeanCog", s.MeanCog}})
            if (!(value >= 0 && value <= 360))
                fail(QStringLiteral("%1 %2 is outside 0 to 360").arg(QLatin1String(name)).arg(value));
    }

    void hourRows()
    {
        if (s.SegCurrentX.size() != 24 || s.SegCurrentY.size() != 24) {
            fail(QStringLiteral("the hour records do not number 24"));
            return;
        }
        for (int i = 0; i < form1_design::HourRows; ++i) {
            const Vec record{s.SegCurrentX[i], s.SegCurrentY[i]};
            const QString& row = f.Label2(i).caption();
            const bool isRecorded = record.x != 0 || record.y != 0;
            if (isRecorded == row.isEmpty()) {
                fail(QStringLiteral("hour %1 is %2 recorded but its row reads %3")
                         .arg(i)
                         .arg(isRecorded ? QString() : QStringLiteral("not"))
                         .arg(quoted(row)));
                continue;
            }
            if (!isRecorded)
                continue;
            const auto read = grammar.hour(row);
            if (!read || read->number != i + 1 || std::fabs(read->current.speed - knots(record)) > TenthSlack
                || (read->current.speed > 0 && degreesApart(read->current.heading, bearing(record)) > HalfDegreeSlack))
                fail(QStringLiteral("row %1 reads %2 for the record %3").arg(i).arg(quoted(row), text(record)));
        }
        if (s.SegmentCount != records.count)
            fail(QStringLiteral("SegmentCount %1 for %2 recorded hours").arg(s.SegmentCount).arg(records.count));
        const bool shown = s.SegmentCount > 0;
        for (const toolkit::LightControl* control : std::initializer_list<const toolkit::LightControl*>{
                 &f.Vcmoyen, &f.Lcmoyen, &f.Vfmoyen, &f.Lfmoyen, &f.Label3, &f.Label4, &f.Label5, &f.Label6, &f.Shape4,
                 &f.Shape5, &f.Shape6, &f.Shape7, &f.COGMean})
            if (control->visible() != shown) {
                fail(QStringLiteral("a mean control is %1 with %2 hours recorded")
                         .arg(shown ? QStringLiteral("hidden") : QStringLiteral("shown"))
                         .arg(s.SegmentCount));
                break;
            }
    }

    void means()
    {
        if (records.count == 0)
            return;
        const Vec meanGround = boat + records.mean;
        spotOnVector("Vcmoyen", f.Vcmoyen, f.Lcmoyen, records.mean, MeanPositionSlack);
        spotOnVector("Vfmoyen", f.Vfmoyen, f.Lfmoyen, meanGround, MeanPositionSlack);
        if (std::fabs(s.MeanCurrentSpeed - knots(records.mean)) > 1e-3
            || (length(records.mean) > SteadyBearingLength && degreesApart(s.MeanCurrentDir, bearing(records.mean)) > 0.01))
            fail(QStringLiteral("mean current %1 n %2° for the mean record %3")
                     .arg(s.MeanCurrentSpeed)
                     .arg(s.MeanCurrentDir)
                     .arg(text(records.mean)));
        if (std::fabs(s.MeanGroundSpeed - knots(meanGround)) > 1e-3
            || (length(meanGround) > SteadyBearingLength && degreesApart(s.MeanCog, bearing(meanGround)) > 0.01))
            fail(QStringLiteral("mean ground track %1 n %2° for boat plus mean %3")
                     .arg(s.MeanGroundSpeed)
                     .arg(s.MeanCog)
                     .arg(text(meanGround)));
    }

    void vectorReadout(const toolkit::Label& label, Vec v, int heading)
    {
        const auto read = grammar.vector(label.caption());
        if (!read || read->heading != heading || std::fabs(read->speed - knots(v)) > TenthSlack)
            fail(QStringLiteral("readout %1 for %2 at heading %3").arg(quoted(label.caption()), text(v)).arg(heading));
    }

    void readouts()
    {
        const Form1Variables& v = f.var;
        vectorReadout(f.COG, boat + current, v.GroundHeading);
        vectorReadout(f.Flow, current, v.CurrentHeading);
        vectorReadout(f.Sail, boat, v.BoatHeading);
        if (s.SegmentText != f.Flow.caption())
            fail(QStringLiteral("SegmentText %1 is not the current's readout").arg(quoted(s.SegmentText)));

        const auto wind = grammar.wind(f.Vent.caption());
        if (!wind || wind->direction != v.WindDir || wind->angle != v.WindAngleBoat)
            fail(QStringLiteral("wind window %1").arg(quoted(f.Vent.caption())));

        if (v.WindAngleBoat >= 50) {
            if (!f.VMG.caption().isEmpty())
                fail(QStringLiteral("VMG %1 off the wind").arg(quoted(f.VMG.caption())));
        } else {
            const double made = knots(boat + current) * std::cos(v.WindAngleGround * std::numbers::pi / 180);
            const auto vmg = grammar.vmg(f.VMG.caption());
            if (!vmg || vmg->angle != v.WindAngleGround || std::fabs(vmg->vmg - made) > TenthSlack)
                fail(QStringLiteral("VMG %1 close-hauled, %2 n made good").arg(quoted(f.VMG.caption())).arg(made));
        }

        if (s.SegmentCount == 0) {
            if (!f.Label3.caption().isEmpty())
                fail(QStringLiteral("summary %1 with no hour recorded").arg(quoted(f.Label3.caption())));
            // Hidden, the mean course keeps its last text, which was in grammar.
            if (!f.COGMean.caption().isEmpty() && !grammar.meanCourse(f.COGMean.caption()))
                fail(QStringLiteral("hidden mean course %1").arg(quoted(f.COGMean.caption())));
        } else {
            const auto summary = grammar.summary(f.Label3.caption());
            if (!summary || summary->count != s.SegmentCount || std::fabs(summary->speed - s.MeanCurrentSpeed) > TenthSlack
                || std::fabs(summary->bearing - s.MeanCurrentDir) > HalfDegreeSlack)
                fail(QStringLiteral("summary %1").arg(quoted(f.Label3.caption())));
            const auto course = grammar.meanCourse(f.COGMean.caption());
            if (!course || std::fabs(course->speed - s.MeanGroundSpeed) > TenthSlack
                || std::fabs(course->heading - s.MeanCog) > HalfDegreeSlack)
                fail(QStringLiteral("mean course %1").arg(quoted(f.COGMean.caption())));
        }
    }

    void colours()
    {
        const QColor green = rgb(0, 255, 0);
        const QColor red = rgb(255, 0, 0);
        const int angle = f.var.WindAngleBoat;
        const QColor warning = angle < 45 ? red : green;
        const bool closeHauled = angle < 50;
        if (f.Vent.backColor() != warning)
            fail(QStringLiteral("the wind window is %1 at %2°").arg(f.Vent.backColor().name()).arg(angle));
        const QColor vmg = closeHauled ? green : toolkit::systemColour(toolkit::SystemColour::ButtonFace);
        if (f.VMG.backColor() != vmg)
            fail(QStringLiteral("the VMG window is %1 at %2°").arg(f.VMG.backColor().name()).arg(angle));
        const QColor tag = closeHauled ? warning : toolkit::systemColour(toolkit::SystemColour::WindowBackground);
        if (f.Wind.backColor() != tag)
            fail(QStringLiteral("the wind tag is %1 at %2°").arg(f.Wind.backColor().name()).arg(angle));
    }

    void scaleButtons()
    {
        for (int i = 0; i < f.Cinq.size(); ++i) {
            const bool chosen = form1_design::ScaleKnots.at(static_cast<std::size_t>(i)) == s.ScaleKnots;
            if (f.Cinq(i).backColor() != form1_design::colour(chosen ? form1_design::ChosenScaleGreen : form1_design::PaleBlue))
                fail(QStringLiteral("scale button %1 is %2 at %3 knots").arg(i).arg(f.Cinq(i).backColor().name()).arg(s.ScaleKnots));
        }
    }

    const Form1& f;
    const DiagramState& s;
    const CaptionGrammar& grammar;
    const Vec centre, boat, current;
    const Records records;
    QStringList broken;
};

} // namespace

QStringList brokenDiagramInvariants(const Form1& form, const DiagramState& state, const CaptionGrammar& grammar)
{
    return Checks(form, state, grammar).run();
}
