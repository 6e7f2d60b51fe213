#include "help_window/help_text.h"

#include <QStringList>

#include <gtest/gtest.h>

using help::assembleHelpText;

namespace {

const QChar CarriageReturn(u'\r');

QStringList helpLines() { return assembleHelpText(CarriageReturn).split(CarriageReturn); }

// The one place that says how long the text is: the help window's tests
// take the text itself.
TEST(HelpText, HasItsLengthAndBreaksLinesWithLoneCarriageReturnsOnly)
{
    const QString text = assembleHelpText(CarriageReturn);
    EXPECT_EQ(text.size(), 1522);
    EXPECT_EQ(text.count(CarriageReturn), 21);
    EXPECT_FALSE(text.contains(QChar(u'\n')));
    EXPECT_FALSE(text.endsWith(CarriageReturn));
    // Another break gives another text, with the same lines.
    EXPECT_EQ(assembleHelpText(u'\n').split(u'\n'), helpLines());
}

// A paragraph ends with an empty line; pieces joined on one line keep the
// spaces at their joins, two of them where both sides bring one.
TEST(HelpText, ParagraphsAreSeparatedByOneEmptyLineAndJoinsKeepTheirSpaces)
{
    const QStringList lines = helpLines();
    ASSERT_EQ(lines.size(), 22);
    for (qsizetype i : {1, 3, 5, 10, 12, 14, 16, 18, 20})
        EXPECT_TRUE(lines[i].isEmpty()) << "line " << i + 1;
    EXPECT_EQ(lines.count(QString()), 9);
    EXPECT_TRUE(lines[2].contains(QStringLiteral("vitesse et la direction")));
    EXPECT_TRUE(lines[15].contains(QStringLiteral("heure par heure,  pour chaque")));
    EXPECT_TRUE(lines[19].contains(QStringLiteral("route fond intégré que l'on")));
    EXPECT_TRUE(lines[21].contains(QStringLiteral("au voilier. L'angle")));
}

TEST(HelpText, DisplayedResultsStandOnFourConsecutiveDashedLines)
{
    const QStringList lines = helpLines();
    qsizetype dashed = 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(QStringLiteral(" -"))) {
            EXPECT_TRUE(lines[i].startsWith(QStringLiteral(" -Le cap"))) << "line " << i + 1;
            EXPECT_EQ(i, 6 + dashed) << "the dashed lines are not consecutive";
            ++dashed;
        }
    EXPECT_EQ(dashed, 4);
}

TEST(HelpText, UsesTheDegreeSignPlainApostrophesAndFrenchLettersOnly)
{
    const QString text = assembleHelpText(CarriageReturn);
    EXPECT_EQ(text.count(QChar(0x00B0)), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("que 45\u00B0.\r")));
    EXPECT_TRUE(text.contains(QStringLiteral("50\u00B0 (on")));
    EXPECT_EQ(text.count(QChar(u'\'')), 11);
    const QString accented = QStringLiteral("\u00E9\u00E8\u00EA\u00E0\u00E2\u00E7\u00B0");
    for (QChar c : text) {
        const bool printableAscii = c.unicode() >= 0x20 && c.unicode() < 0x7F;
        EXPECT_TRUE(printableAscii || c == CarriageReturn || accented.contains(c))
            << "unexpected character U+" << std::hex << static_cast<int>(c.unicode());
    }
}

} // namespace
