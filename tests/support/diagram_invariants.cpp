#include "support/diagram_invariants.h"

#include "diagram/diagram_state.h"
#include "main_window/form1.h"
#include "support/caption_grammar.h"
#include "support/diagram_checks.h"
#include "support/form_controls.h"

using namespace plane;

DiagramChecks::DiagramChecks(const Form1& form, const DiagramState& state, const CaptionGrammar& grammar)
    : f(form), s(state), grammar(grammar), centre{s.CenterX, s.CenterY}, boat{s.BoatX, s.BoatY},
      current{s.CurrentX, s.CurrentY}, records(recorded(s))
{
}

QStringList DiagramChecks::run()
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

void DiagramChecks::finiteBoxes()
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

void DiagramChecks::spotOnVector(const char* name, const toolkit::Shape& spot, const toolkit::Line& line, Vec vector,
                                 double slack)
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

void DiagramChecks::tagFollows(const toolkit::Label& tag, const toolkit::Shape& spot)
{
    if (std::fabs(tag.left() - (spot.left() - tag.width() / 1.5)) > PositionSlack
        || std::fabs(tag.top() - (spot.top() - tag.height() / 1.5)) > PositionSlack)
        fail(QStringLiteral("tag %1 does not follow its spot").arg(quoted(tag.caption())));
}

void DiagramChecks::triangle()
{
    if (apart({s.GroundX, s.GroundY}, boat + current) > PositionSlack)
        fail(QStringLiteral("ground %1 is not boat plus current").arg(text({s.GroundX, s.GroundY})));
    spotOnVector("Vb", f.Vb, f.Lb, boat);
    spotOnVector("Vc", f.Vc, f.Lc, current);
    spotOnVector("Vf", f.Vf, f.Lf, boat + current);
    tagFollows(f.Boat, f.Vb);
    tagFollows(f.Flux, f.Vc);
}

void DiagramChecks::windLine()
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

void DiagramChecks::vectorsInsideTheCircle()
{
    for (const auto& [name, v] : {std::pair{"boat", boat}, std::pair{"current", current}})
        if (length(v) > s.Radius)
            fail(QStringLiteral("the %1 %2 lies outside the circle").arg(QLatin1String(name), text(v)));
}

void DiagramChecks::headingOf(const char* name, int heading, Vec v, bool hasDirection)
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

void DiagramChecks::foldedAngle(const char* name, int angle, int a, int b)
{
    const int d = std::abs(a - b);
    if (angle < 0 || angle > 180 || angle != std::min(d, 360 - d))
        fail(QStringLiteral("%1 %2 is not the angle between %3° and %4°").arg(QLatin1String(name)).arg(angle).arg(a).arg(b));
}

void DiagramChecks::headingsAndAngles()
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

void DiagramChecks::means()
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

QStringList brokenDiagramInvariants(const Form1& form, const DiagramState& state, const CaptionGrammar& grammar)
{
    return DiagramChecks(form, state, grammar).run();
}
