#include "support/pixels.h"
#include "support/print_qstring.h"
#include "support/started_tool.h"
#include "support/triangle_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

namespace {

const QColor PaleBlue = form1_design::colour(form1_design::PaleBlue);
const QColor ChosenScaleGreen = form1_design::colour(form1_design::ChosenScaleGreen);

// The radii of the rings on the drawing surface; start-up draws them twice.
std::set<float> ringRadii(const Form1& form)
{
    std::set<float> radii;
    for (const auto& figure : form.surface()->figures())
        if (figure.kind == toolkit::PersistentSurface::Figure::Kind::Circle)
            radii.insert(figure.c);
    return radii;
}

// Whether anything but the background shows within a pixel of the point at
// this distance from the centre at bearing 15 degrees, between two spokes and
// clear of the spots and lines.
bool roseShowsAt(Form1& form, const DiagramState& s, double twipsFromCentre)
{
    const QImage image = renderWindow(form);
    const double bearing = 15 * std::numbers::pi / 180;
    const double x = s.CenterX + twipsFromCentre * std::sin(bearing);
    const double y = s.CenterY - twipsFromCentre * std::cos(bearing);
    for (const double dx : {-15.0, 0.0, 15.0})
        for (const double dy : {-15.0, 0.0, 15.0})
            if (pixelAtTwips(image, x + dx, y + dy) != form.backColor())
                return true;
    return false;
}

} // namespace

TEST(ScaleButtons, EveryScaleKeepsTheSpotsAndScalesTheSpeeds)
{
    StartedTool tool;
    Form1& f = tool.form();
    const TriangleView atStartUp = triangleView(f, tool.state());
    const char* const boat[] = {"3,5", "7,1", "10,6", "14,1"};
    const char* const current[] = {"1,4", "2,8", "4,2", "5,7"};
    const char* const ground[] = {"3,8", "7,6", "11,4", "15,2"};

    for (std::int16_t index = 0; index < f.Cinq.size(); ++index) {
        SCOPED_TRACE(index);
        f.Cinq_Click(index);
        EXPECT_EQ(tool.state().ScaleKnots, f.Cinq(index).text().toInt()); // the scale its caption says
        EXPECT_EQ(triangleView(f, tool.state()).geometry, atStartUp.geometry);
        EXPECT_EQ(f.Sail.caption(), QString::fromUtf8(boat[index]) + QStringLiteral("n  315°"));
        EXPECT_EQ(f.Flow.caption(), QString::fromUtf8(current[index]) + QStringLiteral("n  45°"));
        EXPECT_EQ(f.COG.caption(), QString::fromUtf8(ground[index]) + QStringLiteral("n  337°"));
        for (std::int16_t other = 0; other <= 3; ++other)
            EXPECT_EQ(f.Cinq(other).backColor(), other == index ? ChosenScaleGreen : PaleBlue) << other;
    }
}

TEST(ScaleButtons, TheGreenButtonStillStartsTheDiagramAfresh)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& f = tool.form();
    const TriangleView atStartUp = triangleView(f, s);

    tool.moveFromCentre(s.BoatX + 40, s.BoatY + 40); // drags the boat spot
    f.Heure_Click(0);
    ASSERT_NE(triangleView(f, s), atStartUp);
    ASSERT_FALSE(f.Label2(0).caption().isEmpty());

    f.Cinq_Click(1);
    EXPECT_EQ(triangleView(f, s), atStartUp);
    EXPECT_TRUE(f.Label2(0).caption().isEmpty());
    EXPECT_EQ(s.SegCurrentX.at(0), 0.0f);
    EXPECT_FALSE(f.Heure(0).value());
}

TEST(ScaleButtons, ThePreviousScalesRingsAreGone)
{
    StartedTool tool;
    const DiagramState& s = tool.state();
    Form1& f = tool.form();
    const double oneKnotAtTen = s.TwipsPerKnot;
    ASSERT_TRUE(roseShowsAt(f, s, oneKnotAtTen));

    f.Cinq_Click(0);
    EXPECT_EQ(ringRadii(f).size(), 5u);
    EXPECT_EQ(*ringRadii(f).begin(), s.TwipsPerKnot);
    EXPECT_FALSE(roseShowsAt(f, s, oneKnotAtTen));
    EXPECT_TRUE(roseShowsAt(f, s, s.TwipsPerKnot));

    f.Cinq_Click(3);
    EXPECT_EQ(ringRadii(f).size(), 20u);
}

// Each run of Calcul that cannot measure the ground speed keeps the last
// Vmg and, close-hauled, projects it on the wind once more: 60 degrees off
// the wind, Vmg halves on every run. Running the first start-up again on a
// frame of no height (zero twips per knot, vectors of no length, so the
// headings set here stay) counts the runs.
TEST(StartUp, ChoosesTenKnotsAndRunsCalculThreeTimes)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& f = tool.form();
    EXPECT_EQ(s.ScaleKnots, 10);
    EXPECT_EQ(f.Cinq(1).backColor(), ChosenScaleGreen);
    EXPECT_EQ(f.focusWidget(), &f.Cinq(1));
    EXPECT_EQ(ringRadii(f).size(), 10u);

    s.ScaleKnots = 0;
    s.Radius = 0;
    f.Shape1.setHeight(0);
    f.var.BoatHeading = 225;   // head to the default wind from 225
    f.var.GroundHeading = 285; // 60 degrees off it
    const float vmgBefore = s.Vmg;
    tool.entree.Main();
    ASSERT_EQ(s.TwipsPerKnot, 0.0f);
    ASSERT_EQ(f.var.WindAngleGround, 60);
    EXPECT_EQ(std::lround(std::log2(vmgBefore / s.Vmg)), 3);
}
