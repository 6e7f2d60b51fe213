#include "support/print_qstring.h"
#include "support/started_tool.h"
#include "support/test_locales.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class ReadoutsInTheUsersLocale : public testing::TestWithParam<TestLocale> {};

} // namespace

// Every caption with a decimal in it, written with the user's separator and
// nothing else of the locale: the same digits, no grouping.
TEST_P(ReadoutsInTheUsersLocale, UseItsDecimalSeparatorAndNothingElse)
{
    StartedTool tool(GetParam().locale);
    Form1& f = tool.form();
    const QString separator = GetParam().locale.decimalPoint();
    const auto text = [&](const char* french) { return QString::fromUtf8(french).replace(u',', separator); };

    // The wind from the boat's heading, clear of the boat spot: close-hauled.
    const float r = tool.state().Radius;
    tool.moveFromCentre(-0.64f * r, -0.64f * r);
    QTest::mouseClick(&f.Heure(0), Qt::LeftButton);

    EXPECT_EQ(f.COG.caption(), text("7,6n  337°"));
    EXPECT_EQ(f.Flow.caption(), text("2,8n  45°"));
    EXPECT_EQ(f.Sail.caption(), text("7,1n  315°"));
    EXPECT_EQ(f.Vent.caption(), text("Vent 315/ 0°"));
    EXPECT_EQ(f.VMG.caption(), text("Vmg 22°7,1n"));
    EXPECT_EQ(f.Label2(0).caption(), text(" 1: 2,8n  45°"));
    EXPECT_EQ(f.Label3.caption(), text(" 1: 2,8n 45°"));
    EXPECT_EQ(f.COGMean.caption(), text("COG moyen:  7,6n  337 °"));
}

INSTANTIATE_TEST_SUITE_P(Locales, ReadoutsInTheUsersLocale, testLocales(), testLocaleName);
