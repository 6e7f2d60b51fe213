// The window's persistent drawing: switched on by start-up, beneath every
// control, kept through repaints and hiding, and erased only by clearing.
#include "support/pixels.h"
#include "toolkit/shape.h"
#include "toolkit/window.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

const QColor Navy(3, 0, 99);
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

class WindowSurface : public testing::Test {
protected:
    WindowSurface()
    {
        window.setBackColor(Navy);
        disc.setBox(1200, 1200, 600, 600);
        disc.setFillColor(Red);
        window.setDrawingOrder({&disc});
    }

    bool greenAt(double x, double y) { return anyNear(renderWindow(window), x, y, 1, isGreen); }

    Window window{QStringLiteral("surface"), 3000, 3000, Window::Border::FixedSingle};
    Shape disc{window, ShapeKind::Circle};
};

TEST_F(WindowSurface, DrawingLiesBeneathTheControlsAndSurvivesRepaints)
{
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

TEST_F(WindowSurface, ClearingErasesTheDrawingButNotTheControls)
{
    window.setAutoRedraw(true);
    window.drawCircle(1500, 1500, 900, Green);
    window.clearDrawing();
    EXPECT_FALSE(greenAt(1500, 600));
    EXPECT_EQ(pixelAtTwips(renderWindow(window), 1500, 600), Navy);
    EXPECT_EQ(pixelAtTwips(renderWindow(window), 1500, 1500), Red);
}

} // namespace
