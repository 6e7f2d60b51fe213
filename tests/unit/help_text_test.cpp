#include "help_window/help_text.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

using help::assembleHelpText;
using help::helpPieces;

namespace {

const QChar CarriageReturn(u'\r');

// The help text as the reader sees it: each line given by the numbers of the
// pieces it is made of, an empty list for an empty line.
const std::vector<std::vector<int>> LinesByPiece = {
    {1},  {}, {2, 3},   {}, {4},      {}, {5},          {6}, {7}, {8}, {},
    {9},  {}, {10, 11}, {}, {12, 13}, {}, {14, 15}, {}, {16, 17, 18}, {}, {19, 20},
};

QString piece(int number) { return helpPieces()[static_cast<std::size_t>(number - 1)].text.toString(); }

QStringList helpLines() { return assembleHelpText(CarriageReturn).split(CarriageReturn); }

TEST(HelpText, HasTheListedLengthAndOnlyLoneCarriageReturns)
{
    const QString text = assembleHelpText(CarriageReturn);
    ASSERT_EQ(helpPieces().size(), 20u);
    qsizetype pieceCharacters = 0;
    for (const help::HelpPiece& p : helpPieces())
        pieceCharacters += p.text.size();
    EXPECT_EQ(pieceCharacters, 1501);
    EXPECT_EQ(text.size(), 1522);
    EXPECT_EQ(text.count(CarriageReturn), 21);
    EXPECT_FALSE(text.contains(QChar(u'\n')));
    EXPECT_FALSE(text.endsWith(CarriageReturn));
}

TEST(HelpText, LinesAreThePiecesInOrderWithOneEmptyLineForEachDoubleBreak)
{
    const QStringList lines = helpLines();
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(LinesByPiece.size()));
    EXPECT_EQ(lines.count(QString()), 9);
    for (std::size_t i = 0; i < LinesByPiece.size(); ++i) {
        QString expected;
        for (int number : LinesByPiece[i])
            expected += piece(number);
        EXPECT_EQ(lines[static_cast<qsizetype>(i)].toStdString(), expected.toStdString()) << "line " << i + 1;
    }
    EXPECT_TRUE(lines[15].contains(QStringLiteral("heure par heure,  pour chaque")));
}

TEST(HelpText, DisplayedResultsStandOnFourConsecutiveDashedLines)
{
    const QStringList lines = helpLines();
    qsizetype dashed = 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(QStringLiteral(" -"))) {
            EXPECT_EQ(lines[i].toStdString(), piece(5 + static_cast<int>(dashed)).toStdString()) << "line " << i + 1;
            EXPECT_EQ(i, 6 + dashed) << "the dashed lines are not consecutive";
            ++dashed;
        }
    EXPECT_EQ(dashed, 4);
}

TEST(HelpText, UsesTheDegreeSignPlainApostrophesAndFrenchLettersOnly)
{
    const QString text = assembleHelpText(CarriageReturn);
    EXPECT_EQ(text.count(QChar(0x00B0)), 2);
    EXPECT_TRUE(piece(9).endsWith(QStringLiteral("45\u00B0.")));
    EXPECT_TRUE(piece(10).contains(QStringLiteral("50\u00B0 (on")));
    EXPECT_EQ(text.count(QChar(u'\'')), 11);
    const QString accented = QStringLiteral("\u00E9\u00E8\u00EA\u00E0\u00E2\u00E7\u00B0");
    for (QChar c : text) {
        const bool printableAscii = c.unicode() >= 0x20 && c.unicode() < 0x7F;
        EXPECT_TRUE(printableAscii || c == CarriageReturn || accented.contains(c))
            << "unexpected character U+" << std::hex << static_cast<int>(c.unicode());
    }
}

} // namespace
