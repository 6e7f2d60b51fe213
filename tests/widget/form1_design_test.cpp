// The main window as it is created, before start-up touches it, and the
// few design values start-up must replace or keep.
#include "support/started_tool.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

class Form1AtCreation : public testing::Test {
protected:
    DiagramState state;
    Form1 form{state, [] {}, [] {}};
};

TEST_F(Form1AtCreation, CaptionsKeepTheirExactSpaces)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Loxane v3.33  "));
    EXPECT_EQ(form.Label1.caption(), QStringLiteral("COG") + QString(16, u' ') + QStringLiteral("Courant")
                                         + QString(13, u' ') + QStringLiteral("Voilier"));
    EXPECT_EQ(form.Vent.caption(), QStringLiteral("Vent xx\u00b0  yy\u00b0"));
    EXPECT_EQ(form.Label5.caption(), QStringLiteral("Int\u00e9grale courant"));
}

TEST_F(Form1AtCreation, OnlyTheMeansAndTheLinesStartHiddenAndTheTagsDisabled)
{
    for (const toolkit::LightControl* control : std::initializer_list<const toolkit::LightControl*>{
             &form.Lb, &form.Lc, &form.Lf, &form.Lv1, &form.Lcmoyen, &form.Lfmoyen, &form.Vcmoyen, &form.Vfmoyen,
             &form.Label4, &form.Label6})
        EXPECT_FALSE(control->visible());
    for (const toolkit::LightControl* control : std::initializer_list<const toolkit::LightControl*>{
             &form.Vb, &form.Shape4, &form.Shape7, &form.Label3, &form.COGMean, &form.Label2(0)})
        EXPECT_TRUE(control->visible());
    for (const toolkit::Label* tag : {&form.Boat, &form.Flux, &form.Wind})
        EXPECT_FALSE(tag->enabled());
    EXPECT_TRUE(form.Label8.enabled());
    for (int i = 0; i < form1_design::HourRows; ++i)
        EXPECT_FALSE(form.Heure(i).value() || form.Raz(i).value());
    EXPECT_FALSE(form.autoRedraw()); // start-up's doing, not the design's
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
    EXPECT_EQ(form.Label1.caption().simplified(), QStringLiteral("COG Courant Voilier"));
    // Nothing recorded yet: the means and their legends stay hidden.
    EXPECT_FALSE(form.Vcmoyen.visible());
    EXPECT_FALSE(form.Label4.visible());
    EXPECT_TRUE(form.Lv1.visible());
}

} // namespace
