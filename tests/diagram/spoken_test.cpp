// The readouts as a screen reader says them.
#include "diagram/spoken.h"

#include <gtest/gtest.h>

TEST(Spoken, EveryReadoutSaysItsUnitsInWords)
{
    const std::pair<const char*, const char*> readouts[] = {
        {"7,6n  315°", "7,6 nœuds, 315 degrés"},
        {"0,0n  45°", "0,0 nœuds, 45 degrés"},
        {" 1: 1,2n  45°", "1: 1,2 nœuds, 45 degrés"},
        {" 3: 1,2n 45°", "3: 1,2 nœuds, 45 degrés"},
        {"COG moyen:  5,3n  123 °", "COG moyen: 5,3 nœuds, 123 degrés"},
        {"Vmg 52°4,3n", "Vmg 52 degrés, 4,3 nœuds"},
        {"Vmg 120°-2,1n", "Vmg 120 degrés, -2,1 nœuds"},
        {"Intégrale courant", "Intégrale courant"},
    };
    for (const auto& [shown, said] : readouts)
        EXPECT_EQ(spoken::inWords(QString::fromUtf8(shown)), QString::fromUtf8(said)) << shown;
    EXPECT_EQ(spoken::windInWords(225, 40), QStringLiteral("225 degrés, angle au bateau 40 degrés"));
}
