// A handler that fails half-way, with an exception the tool does not expect,
// must not end the tool: the failure is reported in one line naming the
// handler, the event is undone and dropped, and the next event works.
#include "support/calcul_runs.h"
#include "support/caption_grammar.h"
#include "support/diagram_events.h"
#include "support/diagram_invariants.h"
#include "support/invariant_checker.h"
#include "support/started_tool.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace {

// The radius of the rose's outer ring.
float outerRing(const Form1& form)
{
    float radius = 0;
    for (const auto& figure : form.surface()->figures())
        if (figure.kind == toolkit::PersistentSurface::Figure::Kind::Circle)
            radius = std::max(radius, figure.c);
    return radius;
}

// What a dropped event must leave as it was.
auto visibleState(StartedTool& tool)
{
    const DiagramState& s = tool.state();
    Form1& form = tool.form();
    QStringList rows;
    for (int i = 0; i < form.Label2.size(); ++i)
        rows << form.Label2(i).caption();
    return std::tuple(s.ScaleKnots, s.Radius, s.BoatX, s.BoatY, s.CurrentX, s.CurrentY, s.WindX, s.WindY, s.SegCurrentX,
                      s.SegCurrentY, s.SegmentCount, rows, form.Label3.caption(), form.Vb.left(), form.Vb.top(),
                      form.Sail.caption(), form.Cinq(1).backColor(), outerRing(form));
}

} // namespace

TEST(FailingHandler, IsReportedOnceThenUndoneAndTheToolGoesOn)
{
    StartedTool tool;
    Form1& form = tool.form();
    DiagramState& s = tool.state();
    const CaptionGrammar grammar(QLocale().decimalPoint());
    InvariantChecker checker(form, s);
    deliver(form, HourClick{5});
    const QPointF boat = QPointF(s.CenterX + s.BoatX, s.CenterY + s.BoatY) / 15.0;

    const struct {
        DiagramEvent event;
        CalculFails when;
        const char* handler;
    } failures[] = {
        {PointerMove{boat + QPointF(2, 1), Qt::LeftButton, {}}, CalculFails::Before, "form_MouseMove"},
        {HourClick{3}, CalculFails::Before, "Heure_Click"},
        {HourClick{4}, CalculFails::After, "Heure_Click"},
        {EraseClick{5}, CalculFails::After, "Raz_Click"},
        {ScaleClick{2}, CalculFails::Before, "Cinq_Click"},
        {ScaleClick{3}, CalculFails::After, "Cinq_Click"},
    };
    for (const auto& failure : failures) {
        const std::string what = describe(failure.event).toStdString();
        const auto before = visibleState(tool);
        testing::internal::CaptureStderr();
        checker.calculRuns().failNext(failure.when);
        deliver(form, failure.event);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string("loxane: ") + failure.handler + ": Calcul failed as the test asked\n")
            << what;
        EXPECT_EQ(visibleState(tool), before) << what << ": the event was not undone";
        EXPECT_EQ(brokenDiagramInvariants(form, s, grammar), QStringList()) << what;

        // The same event once more, and this time it works.
        checker.beforeEvent();
        deliver(form, failure.event);
        EXPECT_EQ(checker.brokenAfter(failure.event), QStringList()) << what << " delivered again";
    }
}
