// What the main window's readouts, hour rows and colours must say of its
// state, read back through their captions' grammar.
#include "diagram/diagram_state.h"
#include "main_window/form1.h"
#include "support/caption_grammar.h"
#include "support/diagram_checks.h"
#include "support/form_controls.h"
#include "toolkit/system_colours.h"

using namespace plane;
using toolkit::rgb;

void DiagramChecks::hourRows()
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
    for (const toolkit::WindowlessControl* control : std::initializer_list<const toolkit::WindowlessControl*>{
             &f.Vcmoyen, &f.Lcmoyen, &f.Vfmoyen, &f.Lfmoyen, &f.Label3, &f.Label4, &f.Label5, &f.Label6, &f.Shape4,
             &f.Shape5, &f.Shape6, &f.Shape7, &f.COGMean})
        if (control->visible() != shown) {
            fail(QStringLiteral("a mean control is %1 with %2 hours recorded")
                     .arg(shown ? QStringLiteral("hidden") : QStringLiteral("shown"))
                     .arg(s.SegmentCount));
            break;
        }
}

void DiagramChecks::vectorReadout(const toolkit::Label& label, Vec v, int heading)
{
    const auto read = grammar.vector(label.caption());
    if (!read || read->heading != heading || std::fabs(read->speed - knots(v)) > TenthSlack)
        fail(QStringLiteral("readout %1 for %2 at heading %3").arg(quoted(label.caption()), text(v)).arg(heading));
}

void DiagramChecks::readouts()
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

void DiagramChecks::colours()
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

void DiagramChecks::scaleButtons()
{
    for (int i = 0; i < f.Cinq.size(); ++i) {
        const bool chosen = form1_design::ScaleKnots.at(static_cast<std::size_t>(i)) == s.ScaleKnots;
        if (f.Cinq(i).backColor() != form1_design::colour(chosen ? form1_design::ChosenScaleGreen : form1_design::PaleBlue))
            fail(QStringLiteral("scale button %1 is %2 at %3 knots").arg(i).arg(f.Cinq(i).backColor().name()).arg(s.ScaleKnots));
    }
}
