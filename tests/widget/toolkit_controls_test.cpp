// The windowless controls, the buttons and the persistent drawing of the
// toolkit: what a property set does, how a control lies on the pixel grid,
// which control covers which, and what drawing is kept.
#include "support/pixels.h"
#include "support/started_tool.h"
#include "numbers/runtime_error.h"
#include "toolkit/system_colours.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <tuple>
#include <vector>

using namespace toolkit;

namespace {

const QColor White(255, 255, 255);
const QColor Panel(224, 224, 224);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);

class BareWindow : public testing::Test {
protected:
    BareWindow() { window.setBackColor(White); }

    // A red disc in the middle, the window's only windowless control.
    void putDisc()
    {
        disc.setBox(1200, 1200, 600, 600);
        disc.setFillColor(Red);
    }
    bool greenAt(double x, double y) { return anyNear(renderWindow(window), x, y, 1, isGreen); }

    Window window{QStringLiteral("bare"), 3000, 3000, Window::Border::FixedSingle};
    Shape disc{window, ShapeKind::Circle};
};

TEST_F(BareWindow, PropertiesReadBackAsSet)
{
    Label label(window);
    EXPECT_EQ(label.backColor(), systemColour(SystemColour::ButtonFace)); // a label's default colours
    EXPECT_EQ(label.foreColor(), systemColour(SystemColour::ButtonText));
    label.setBox(1234.567f, -0.25f, 612, 372.125f);
    label.setCaption(QStringLiteral("un\rdeux "));
    EXPECT_EQ(label.left(), 1234.567f);
    EXPECT_EQ(label.height(), 372.125f);
    EXPECT_EQ(label.caption(), QStringLiteral("un\rdeux "));

    PushButton button(window, QStringLiteral("10"), {300, 300, 312, 252}, 5);
    button.setBackColor(QColor(100, 255, 100));
    EXPECT_EQ(button.backColor(), QColor(100, 255, 100));
    // Just inside the outer line and the bevel: the face in exactly that colour.
    EXPECT_EQ(renderWindow(window).pixelColor(button.geometry().topLeft() + QPoint(2, 2)), QColor(100, 255, 100));
}

TEST_F(BareWindow, NonFiniteValuesAreRefusedAndTheOldOnesKept)
{
    Label label(window);
    label.setLeft(1234.567f);
    EXPECT_THROW(label.setLeft(std::numeric_limits<float>::quiet_NaN()), numbers::RuntimeError);
    EXPECT_EQ(label.left(), 1234.567f);
    Line line(window);
    line.setEnds(2436, 2526, 831.5454f, 4130.4546f);
    try {
        line.setY2(-std::numeric_limits<float>::infinity());
        ADD_FAILURE() << "an infinite end was accepted";
    } catch (const numbers::RuntimeError& error) {
        EXPECT_EQ(error.kind(), numbers::ErrorKind::InvalidPropertyValue);
    }
    EXPECT_EQ(line.y2(), 4130.4546f);
}

// Finite but beyond any pixel a window has: the overflow a run-time error
// is, and the property keeps its value.
TEST_F(BareWindow, PlacesBeyondAnyPixelOverflowAndTheOldOnesAreKept)
{
    Label label(window);
    label.setBox(1234.567f, -0.25f, 612, 372.125f);
    Line line(window);
    line.setEnds(2436, 2526, 831.5454f, 4130.4546f);
    Shape shape(window, ShapeKind::Circle);
    shape.setBox(100, 200, 300, 400);
    window.setAutoRedraw(true);
    const auto figures = [&] { return window.surface()->figures().size(); };
    const std::vector<std::pair<const char*, std::function<void(float)>>> setters = {
        {"Label::setLeft", [&](float v) { label.setLeft(v); }},
        {"Label::setTop", [&](float v) { label.setTop(v); }},
        {"Label::setWidth", [&](float v) { label.setWidth(v); }},
        {"Label::setHeight", [&](float v) { label.setHeight(v); }},
        {"Label::setBox", [&](float v) { label.setBox(v, v, v, v); }},
        {"Shape::setBox", [&](float v) { shape.setBox(1, 2, v, v); }},
        {"Line::setX1", [&](float v) { line.setX1(v); }},
        {"Line::setY1", [&](float v) { line.setY1(v); }},
        {"Line::setEnds", [&](float v) { line.setEnds(v, v, 1, 1); }},
        {"Window::setOuterHeight", [&](float v) { window.setOuterHeight(v); }},
        {"Window::drawCircle", [&](float v) { window.drawCircle(1500, 1500, v, Blue); }},
        {"Window::drawLine", [&](float v) { window.drawLine(0, 0, 10, v, Blue); }},
    };
    const auto placed = [&] {
        return std::tuple(label.left(), label.top(), label.width(), label.height(), shape.width(), line.x1(), line.y1(),
                          window.height(), figures());
    };
    const auto kept = placed();
    for (const auto& [name, set] : setters) {
        for (float huge : {1.1e9f, -4e12f, 3.4e38f, -std::numeric_limits<float>::max()}) {
            try {
                set(huge);
                ADD_FAILURE() << name << " accepted " << huge;
            } catch (const numbers::RuntimeError& error) {
                EXPECT_EQ(error.kind(), numbers::ErrorKind::Overflow) << name << " " << huge;
            }
            EXPECT_EQ(placed(), kept) << name << " " << huge;
        }
    }
    // Far outside the window, yet within what a window can place.
    line.setY1(-9e8f);
    EXPECT_EQ(line.y1(), -9e8f);
    window.drawCircle(1500, 1500, 9e8f, Blue);
    EXPECT_EQ(figures(), std::get<8>(kept) + 1);
}

TEST_F(BareWindow, BoxesLieOnWholePixelsWithSolidBordersAndCorners)
{
    // 612 x 372 twips is 40.8 x 24.8 px: the label covers 41 x 25 pixels.
    Label label(window);
    label.setBox(150, 150, 612, 372);
    label.setBackColor(Panel);
    label.setBorder(true);
    Shape panel(window, ShapeKind::Rectangle);
    panel.setBox(60, 1500, 1218, 393); // 81.2 x 26.2 px from (4, 100)
    panel.setFillColor(Panel);
    panel.setOutline(Outline::Solid, Blue, 1);
    const QImage image = renderWindow(window);

    const QColor black(Qt::black);
    for (QPoint border : {QPoint(10, 10), QPoint(30, 34), QPoint(50, 20), QPoint(50, 34)})
        EXPECT_EQ(image.pixelColor(border), black) << border.x() << "," << border.y();
    EXPECT_EQ(image.pixelColor(30, 33), Panel);
    EXPECT_EQ(image.pixelColor(30, 35), White);
    EXPECT_EQ(image.pixelColor(51, 20), White);

    for (QPoint border : {QPoint(4, 100), QPoint(84, 110), QPoint(84, 125), QPoint(30, 125)})
        EXPECT_EQ(image.pixelColor(border), Blue) << border.x() << "," << border.y();
    EXPECT_EQ(image.pixelColor(30, 124), Panel);
    EXPECT_EQ(image.pixelColor(30, 126), White);
}

TEST_F(BareWindow, CaptionBreaksAtACarriageReturnAndWrapsAtTheWidth)
{
    Label label(window);
    label.setBox(150, 150, 1500, 900); // 100 x 60 px from (10, 10)
    label.setBackColor(White);
    label.setForeColor(QColor(Qt::black));
    // The ink's lowest row and rightmost column.
    const auto inkExtent = [&](const QString& caption) {
        label.setCaption(caption);
        const QImage image = renderWindow(window);
        QPoint extent(-1, -1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).red() < 128)
                    extent = {std::max(extent.x(), x), y};
        return extent;
    };
    const QPoint one = inkExtent(QStringLiteral("Vent"));
    const QPoint two = inkExtent(QStringLiteral("Vent\rVent"));
    EXPECT_GT(two.y(), one.y() + 5);
    EXPECT_EQ(two.x(), one.x());
    const QPoint wrapped = inkExtent(QStringLiteral("Vent Vent Vent Vent Vent Vent"));
    EXPECT_GT(wrapped.y(), one.y() + 5);
    EXPECT_LT(wrapped.x(), 10 + 100);
}

TEST_F(BareWindow, DrawingLiesBeneathTheControlsAndSurvivesRepaints)
{
    putDisc();
    window.drawLine(0, 600, 3000, 600, Green);
    EXPECT_FALSE(greenAt(1500, 600)) << "kept before the surface was switched on";
    window.setAutoRedraw(true);
    window.drawLine(0, 1500, 3000, 1500, Green); // through the disc, drawn after it
    window.show();
    QApplication::processEvents();
    window.hide();
    window.show();
    window.repaint();
    EXPECT_TRUE(greenAt(600, 1500));
    EXPECT_EQ(pixelAtTwips(renderWindow(window), 1500, 1500), Red);
}

TEST_F(BareWindow, ClearingErasesTheDrawingButNotTheControls)
{
    putDisc();
    window.setAutoRedraw(true);
    window.drawCircle(1500, 1500, 900, Green);
    window.clearDrawing();
    EXPECT_EQ(pixelAtTwips(renderWindow(window), 1500, 600), White);
    EXPECT_EQ(pixelAtTwips(renderWindow(window), 1500, 1500), Red);
}

TEST(DrawingOrder, OverlapsFollowTheDeclarationOrder)
{
    StartedTool tool;
    Form1& form = tool.form();
    const float spotX = form.Vb.left() + 126;
    const float spotY = form.Vb.top() + 126;

    // The boat's line ends under its spot.
    ASSERT_EQ(form.Lb.x2(), spotX);
    EXPECT_EQ(pixelAtTwips(renderWindow(form), spotX, spotY), Blue);

    // Boat's tag lies under the spot, the wind's tag over it.
    form.Boat.setBox(spotX - 186, spotY - 126, 372, 252);
    EXPECT_EQ(pixelAtTwips(renderWindow(form), spotX, spotY), Blue);
    form.Wind.setCaption(QString());
    form.Wind.setBackColor(Red);
    form.Wind.setBox(spotX - 216, spotY - 126, 432, 252);
    EXPECT_EQ(pixelAtTwips(renderWindow(form), spotX, spotY), Red);

    // Buttons lie over every windowless control: the pale blue face, not
    // the grey label.
    form.Label8.setBox(toTwips(form.Cinq(0).x()), toTwips(form.Cinq(0).y()), 1000, 400);
    EXPECT_EQ(renderWindow(form).pixelColor(form.Cinq(0).geometry().center() + QPoint(-6, 0)), form1_design::colour(form1_design::PaleBlue));
}

} // namespace
