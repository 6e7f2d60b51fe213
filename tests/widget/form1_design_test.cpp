// The main window as it is created, before start-up touches it, and the
// few design values start-up must replace or keep.
#include "support/form_controls.h"
#include "support/started_tool.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class Form1AtCreation : public testing::Test {
protected:
    DiagramState state;
    Form1 form{state, [] {}, [] {}};
};

// The drawing order as the overlaps need it, read from the window's own
// back-to-front list: a control declared out of its place fails here.
TEST_F(Form1AtCreation, EachControlLiesOverWhatItMustCover)
{
    const auto& order = form.controls();
    const auto depth = [&](const toolkit::WindowlessControl& control) {
        return std::find(order.begin(), order.end(), &control) - order.begin();
    };
    EXPECT_EQ(order.back(), &form.Label8);
    const std::pair<const toolkit::Shape*, const toolkit::Line*> spots[] = {
        {&form.Vb, &form.Lb}, {&form.Vc, &form.Lc}, {&form.Vf, &form.Lf}};
    for (const auto& [spot, line] : spots) {
        EXPECT_GT(depth(*spot), depth(*line)) << spot->accessibleName().toStdString();
        EXPECT_GT(depth(form.Wind), depth(*spot));
        EXPECT_LT(depth(form.Boat), depth(*spot));
        EXPECT_LT(depth(form.Flux), depth(*spot));
    }
    for (int row = 1; row < form.Label2.size(); ++row)
        EXPECT_GT(depth(form.Label2(row)), depth(form.Label2(row - 1)));
    // Every label on a panel lies over it.
    for (const toolkit::Shape* panel : {&form.Shape2, &form.Shape3}) {
        const QRectF area = panel->paintedArea();
        int onIt = 0;
        for (const toolkit::Label* label : labelsOf(form))
            if (area.contains(label->paintedArea())) {
                ++onIt;
                EXPECT_GT(depth(*label), depth(*panel)) << label->caption().toStdString();
            }
        EXPECT_GE(onIt, 3);
    }
}

TEST_F(Form1AtCreation, NativeButtonsSitOnTheNearestWholePixels)
{
    // 300 twips = 20 px; its right edge at 612 twips = 40.8 px rounds to 41.
    EXPECT_EQ(form.Cinq(1).geometry(), QRect(20, 320, 21, 17));
    // Neighbours overlap by 12 twips, under a pixel: they share one column.
    EXPECT_EQ(form.Cinq(0).geometry().right(), form.Cinq(1).geometry().left());
    // Row 23: top 5640 = 376 px, 192 twips = 12.8 px.
    EXPECT_EQ(form.Heure(23).geometry(), QRect(332, 376, 13, 13));
}

TEST_F(Form1AtCreation, WindowIsFixedWithoutMinimiseOrMaximiseAndCentred)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Loxane v3.33  "));
    EXPECT_EQ(form.size(), QSize(468, 449)); // 7020 x 6735 twips
    EXPECT_EQ(form.minimumSize(), form.size());
    EXPECT_EQ(form.maximumSize(), form.size());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint windowCentre = form.frameGeometry().center();
    EXPECT_LE((windowCentre - screenCentre).manhattanLength(), 1);
}

TEST(Form1AfterStartUp, PlaceholdersAreReplacedAndFixedCaptionsKept)
{
    StartedTool tool;
    Form1& form = tool.form();
    // Boat at 315, wind from 225: 90 degrees apart.
    EXPECT_EQ(form.Vent.caption(), QStringLiteral("Vent 225/ 90\u00b0"));
    EXPECT_EQ(form.Label1.caption(), QStringLiteral("COG") + QString(16, u' ') + QStringLiteral("Courant")
                                         + QString(13, u' ') + QStringLiteral("Voilier"));
    EXPECT_EQ(form.Label5.caption(), QStringLiteral("Int\u00e9grale courant"));
    for (int i = 0; i < form.Heure.size(); ++i)
        EXPECT_FALSE(form.Heure(i).value() || form.Raz(i).value());
    // Nothing recorded yet: the means and their legends stay hidden.
    EXPECT_FALSE(form.Vcmoyen.visible());
    EXPECT_FALSE(form.Label4.visible());
    EXPECT_TRUE(form.Lv1.visible());
}

} // namespace
