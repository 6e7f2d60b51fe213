#include "support/recorded_tool.h"

#include <QPaintEvent>
#include <QtMath>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Pixels where what the window shows differs from a full repaint of it:
// something that changed and was not repainted.
int stalePixels(RecordedTool& tool)
{
    const QImage shown = tool.shown();
    const QImage full = tool.form().grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != full.size())
        return -1;
    int stale = 0;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            stale += shown.pixel(x, y) != full.pixel(x, y);
    return stale;
}

// Counts the paint events of the window's native buttons, and gathers the
// window's own repainted region.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(Form1& form)
    {
        form.installEventFilter(this);
        for (QWidget* child : form.findChildren<QWidget*>())
            child->installEventFilter(this);
        window_ = &form;
    }
    int buttonPaints = 0;
    QRegion windowRegion;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (watched == window_)
                windowRegion += static_cast<QPaintEvent*>(event)->region();
            else
                ++buttonPaints;
        }
        return false;
    }

private:
    QObject* window_ = nullptr;
};

TEST(Frames, ShowWhatAFullRepaintShowsAsSpotsAndReadoutsChange)
{
    RecordedTool tool;
    BoatDrag boat(tool);
    for (int i = 0; i < 7; ++i)
        boat.step();
    EXPECT_EQ(stalePixels(tool), 0) << "boat drag";

    // Towards the boat's heading the VMG readout appears, and goes again.
    const QPointF centre = tool.spotPixel(0, 0);
    for (int i = 0; i < 30; ++i) {
        tool.pointerMove(centre + QPointF(-2.5 * i, -2.5 * i) + QPointF(-20, -20));
        tool.paintFrame();
    }
    ASSERT_FALSE(tool.form().VMG.caption().isEmpty());
    EXPECT_EQ(stalePixels(tool), 0) << "wind ahead";
    for (int i = 0; i < 30; ++i) {
        tool.pointerMove(centre + QPointF(3 * i, 40));
        tool.paintFrame();
    }
    ASSERT_TRUE(tool.form().VMG.caption().isEmpty());
    EXPECT_EQ(stalePixels(tool), 0) << "wind abeam";

    // Either side of east the wind readout gains a digit, then loses it.
    for (int degrees : {92, 96, 104, 108, 96, 104}) {
        const double a = qDegreesToRadians(degrees);
        tool.pointerMove(centre + QPointF(100 * std::sin(a), -100 * std::cos(a)));
        tool.paintFrame();
    }
    EXPECT_EQ(stalePixels(tool), 0) << "wind either side of east";

    for (int i = 0; i < 20; ++i) {
        tool.pointerMove(tool.spotPixel(tool.state().CurrentX, tool.state().CurrentY) + QPointF(3, 2));
        tool.paintFrame();
    }
    EXPECT_EQ(stalePixels(tool), 0) << "current drag";

    for (int hour : {3, 7, 8, 20}) {
        tool.form().Raz(hour).click();
        tool.paintFrame();
    }
    tool.form().Heure(7).click();
    tool.paintFrame();
    EXPECT_EQ(stalePixels(tool), 0) << "hours erased and recorded";
}

TEST(Frames, ChangesMadeWhileHiddenShowOnceTheWindowIs)
{
    RecordedTool tool;
    tool.form().hide();
    tool.moveFromCentre(tool.state().BoatX + 60, tool.state().BoatY);
    tool.moveFromCentre(-300, 400);
    tool.paintFrame();
    tool.form().show();
    QCoreApplication::processEvents(); // the platform exposes it again
    tool.paintFrame();
    EXPECT_EQ(stalePixels(tool), 0);

    // And frames go on as before.
    BoatDrag boat(tool);
    boat.step();
    boat.step();
    EXPECT_EQ(stalePixels(tool), 0);
}

TEST(Frames, AChangeOutsideTheWindowHoldsNothingBack)
{
    RecordedTool tool;
    tool.form().Label8.setLeft(-100000);
    tool.paintFrame();
    // The first change after that frame is out of sight; the next is not.
    tool.form().Label8.setCaption(QStringLiteral("Sud"));
    tool.moveFromCentre(tool.state().BoatX + 60, tool.state().BoatY);
    tool.paintFrame();
    EXPECT_EQ(stalePixels(tool), 0);
}

TEST(Frames, DraggingLeavesTheButtonsAndTheHourPanelAlone)
{
    RecordedTool tool;
    PaintWatch watch(tool.form());
    BoatDrag boat(tool);
    for (int i = 0; i < 10; ++i)
        boat.step();
    // The current, then the wind over the western half of the circle.
    for (int i = 0; i < 10; ++i) {
        tool.pointerMove(tool.spotPixel(tool.state().CurrentX, tool.state().CurrentY) + QPointF(-3, 2));
        tool.paintFrame();
    }
    const QPointF centre = tool.spotPixel(0, 0);
    for (int i = 0; i < 10; ++i) {
        tool.pointerMove(centre + QPointF(-100, -50 + 10 * i));
        tool.paintFrame();
    }
    ASSERT_FALSE(watch.windowRegion.isEmpty());
    EXPECT_EQ(watch.buttonPaints, 0);
    const Form1& f = tool.form();
    const QRect hourPanel = toolkit::pixelRect(f.Shape3.left(), f.Shape3.top(), f.Shape3.width(), f.Shape3.height())
                                .toAlignedRect();
    EXPECT_FALSE(watch.windowRegion.intersects(hourPanel));
}

} // namespace
