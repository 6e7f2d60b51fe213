// Fonts give the pixel sizes the twips layout was drawn for, and the hour
// rows' text fits its 1440-twip row on one line.
#include "support/pixels.h"
#include "support/started_tool.h"
#include "toolkit/fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

TEST(LayoutFont, PointsBecomePixelsAtNinetySixPerInchInTheArialMetricFace)
{
    const std::pair<double, int> sizes[] = {{10.5, 14}, {9.75, 13}, {9, 12}, {12, 16}, {8, 11}};
    for (const auto& [points, pixels] : sizes)
        EXPECT_EQ(QFontInfo(toolkit::layoutFont(QStringLiteral("Arial"), points)).pixelSize(), pixels) << points;
    for (const char* family : {"Arial", "MS Sans Serif"})
        EXPECT_EQ(QFontInfo(toolkit::layoutFont(QString::fromLatin1(family), 9.75)).family(),
                  QStringLiteral("Liberation Sans"))
            << family << ": is fonts-liberation installed?";
}

TEST(Form1Fonts, ReadoutsAndButtonsUseTheDesignedSizes)
{
    StartedTool tool;
    Form1& form = tool.form();
    EXPECT_EQ(QFontInfo(form.COG.font()).pixelSize(), 14);
    EXPECT_EQ(QFontInfo(form.Cinq(1).font()).pixelSize(), 14);
    EXPECT_EQ(QFontInfo(form.Label1.font()).pixelSize(), 16);
    EXPECT_EQ(QFontInfo(form.Label8.font()).pixelSize(), 13);
    EXPECT_TRUE(form.Vent.font().bold());
    EXPECT_FALSE(form.Flow.font().bold());
}

TEST(Form1Fonts, TheWidestHourRowFitsOnOneLine)
{
    StartedTool tool;
    toolkit::Label& row = tool.form().Label2(23);
    const QString text = QStringLiteral(" 24: 14,1n  315\u00b0");
    // 1440 twips = 96 px, less the one-pixel border on each side.
    EXPECT_LE(QFontMetricsF(row.font()).horizontalAdvance(text), 94.0);

    // Drawn: the degree sign stands on the row's one line, near its end.
    row.setCaption(text);
    const QImage image = renderWindow(tool.form());
    const QRect box(348, 376, 96, 16); // 5220, 5640, 1440 x 240 twips
    int rightmostInk = -1;
    for (int y = box.top() + 1; y < box.bottom(); ++y)
        for (int x = box.left() + 1; x < box.right(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.red() > 150 && c.green() < 100)
                rightmostInk = std::max(rightmostInk, x);
    EXPECT_GT(rightmostInk, box.left() + 75);
}

} // namespace
