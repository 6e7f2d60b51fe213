// Fonts give the pixel sizes the twips layout was drawn for, the labels
// paint in the fonts their design names, and the hour rows' text fits its
// 1440-twip row on one line.
#include "support/pixels.h"
#include "support/started_tool.h"
#include "toolkit/fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <gtest/gtest.h>

#include <tuple>

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

// The size of the ink that differs from the background inside a box of an
// image, two pixels in from its edges, clear of a border.
QSize inkSize(const QImage& image, QRect box, const QColor& background)
{
    QRect ink;
    for (int y = box.top() + 2; y < box.bottom() - 1; ++y)
        for (int x = box.left() + 2; x < box.right() - 1; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                    + std::abs(c.blue() - background.blue()) > 180)
                ink |= QRect(x, y, 1, 1);
        }
    return ink.size();
}

// What the window paints of a label's caption against the same caption
// drawn in the font its design names: a label painting in another face,
// size or weight than its design leaves ink of another size.
TEST(Form1Fonts, CaptionsArePaintedInTheFontsTheDesignNames)
{
    using namespace form1_design;
    StartedTool tool;
    Form1& form = tool.form();
    form.Label2(0).setCaption(QStringLiteral(" 1: 14,1n  315\u00b0"));
    const std::tuple<const toolkit::Label*, Typeface, double> designed[] = {
        {&form.COG, Arial, 10.5}, {&form.Vent, ArialBold, 10.5}, {&form.Label1, Arial, 12},
        {&form.Label8, Arial, 9.75}, {&form.Wind, DefaultFont, 8}, {&form.Label2(0), SansSerif, 9.75}};
    const QImage window = renderWindow(form);
    for (const auto& [label, face, points] : designed) {
        const QRectF area = label->accessibleArea();
        const QRect box = area.toAlignedRect();
        QImage drawn(window.size(), QImage::Format_RGB32);
        drawn.fill(label->backColor());
        QPainter painter(&drawn);
        painter.setFont(font(face, points));
        painter.setPen(label->foreColor());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawText(area, Qt::AlignCenter, label->caption());
        painter.end();
        const QSize painted = inkSize(window, box, label->backColor());
        const QSize wanted = inkSize(drawn, box, label->backColor());
        const auto seen = [&] {
            return QStringLiteral("%1: painted %2x%3, designed %4x%5")
                .arg(label->caption())
                .arg(painted.width())
                .arg(painted.height())
                .arg(wanted.width())
                .arg(wanted.height())
                .toStdString();
        };
        EXPECT_FALSE(wanted.isEmpty()) << seen();
        EXPECT_LE(std::abs(painted.width() - wanted.width()), 1) << seen();
        EXPECT_LE(std::abs(painted.height() - wanted.height()), 1) << seen();
    }
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
