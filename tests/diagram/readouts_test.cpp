// The speed texts of the readouts, and the test that gives a current its heading.
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

} // namespace
