// The readouts' texts as built from numbers already worked out, and the
// test that gives a current its heading.
#include "diagram/readouts.h"

#include <gtest/gtest.h>

namespace {

const numbers::NumberLocale French{QStringLiteral(",")};

TEST(Readouts, SpeedTextsRoundToTheNearestTenth)
{
    const float twipsPerKnot = 226.90908f;
    for (const auto& [knots, text] : {std::pair{0.04f, "0,0"}, std::pair{0.06f, "0,1"}, std::pair{9.96f, "10,0"}}) {
        const QString speed = readouts::speedText(knots * twipsPerKnot, 0, twipsPerKnot, French);
        EXPECT_EQ(speed.toStdString(), text);
        EXPECT_EQ(readouts::showsASpeed(speed, French), knots > 0.05f) << text;
    }
}

// Every other text, in the user's decimal separator where it has one: the
// spaces, signs and marks are the system's own.
TEST(Readouts, TextsHoldTheirNumbersSignsSpacesAndMarks)
{
    const numbers::NumberLocale US{QStringLiteral(".")};
    const struct {
        QString text;
        const char* expected;
    } texts[] = {
        {readouts::vectorText(QStringLiteral("6,2"), 127), "6,2n  127\u00b0"},
        {readouts::vectorText(QStringLiteral("0,0"), 0), "0,0n  0\u00b0"},
        {readouts::windText(225, 40), "Vent 225/ 40\u00b0"},
        {readouts::windText(0, -40), "Vent 0/-40\u00b0"},
        {readouts::vmgText(52, 4.26, French), "Vmg 52\u00b04,3n"},
        {readouts::vmgText(-3, 0.04, US), "Vmg -3\u00b00.0n"},
        {readouts::hourText(0, QStringLiteral("1,2n  45\u00b0")), " 1: 1,2n  45\u00b0"},
        {readouts::hourText(23, QStringLiteral("0,0n  0\u00b0")), " 24: 0,0n  0\u00b0"},
        {readouts::summaryText(3, 1.25, 44.5, French), " 3: 1,3n 45\u00b0"},
        {readouts::summaryText(24, 12.04, 359.6, US), " 24: 12.0n 360\u00b0"},
        {readouts::meanCourseText(5.26, 123.4, French), "COG moyen:  5,3n  123 \u00b0"},
        {readouts::meanCourseText(0, 0, US), "COG moyen:  0.0n  0 \u00b0"},
    };
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(text.toStdString(), expected);
}

} // namespace
