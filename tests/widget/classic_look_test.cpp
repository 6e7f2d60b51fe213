// The window's controls in device pixels, painted at the window's own device
// pixel ratio as for its screen: ctest runs these at ratios 1, 1.25, 1.5 and
// 2 (QT_SCALE_FACTOR, read as Qt starts).
#include "support/dotted_rectangle.h"
#include "support/started_tool.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

class ClassicLook : public testing::Test {
protected:
    ClassicLook()
    {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QImage shown() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // A box on whole logical pixels, its edges on the nearest device pixels.
    QRect device(const QRect& logical) const
    {
        const auto at = [&](int pixels) { return static_cast<int>(std::lround(pixels * ratio)); };
        return QRect(QPoint(at(logical.left()), at(logical.top())),
                     QPoint(at(logical.right() + 1) - 1, at(logical.bottom() + 1) - 1));
    }
    QRect device(const toolkit::BoxedControl& control) const
    {
        return device(toolkit::wholePixelRect(control.left(), control.top(), control.width(), control.height()));
    }

    StartedTool tool;
    Form1& form = tool.form();
    const double ratio = form.devicePixelRatioF();
    // A one-pixel line: the nearest whole number of device pixels, at least one.
    const int line = std::max(1, static_cast<int>(std::ceil(ratio - 0.5)));
};

QColor mostCommon(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto fewer = [](const auto& a, const auto& b) { return a.second < b.second; };
    return QColor(std::max_element(counts.begin(), counts.end(), fewer)->first);
}

TEST_F(ClassicLook, FacesShowTheirColourAndOnlyTheFocusedControlADottedRectangle)
{
    SCOPED_TRACE(ratio);
    std::vector<toolkit::PushButton*> buttons{form.Aide, form.Quitter};
    for (int i = 0; i < form.Cinq.size(); ++i)
        buttons.push_back(&form.Cinq(i));
    const QImage start = shown();
    for (toolkit::PushButton* button : buttons) {
        // Inside the outer line and the bevel the face is the very colour
        // set, where its middle row starts and over most of it: no gradient,
        // no lightening. The chosen scale is green.
        SCOPED_TRACE(button->text().toStdString());
        const QColor colour = form1_design::colour(button == &form.Cinq(1) ? form1_design::ChosenScaleGreen : form1_design::PaleBlue);
        const QRect face = device(button->geometry()).adjusted(2 * line, 2 * line, -2 * line, -2 * line);
        EXPECT_EQ(start.pixelColor(face.left(), face.center().y()), colour);
        EXPECT_EQ(mostCommon(start, face), colour);
    }

    // Pressed, the light top left of the bevel turns to shadow.
    const QPoint bevel = device(form.Aide->geometry()).topLeft() + QPoint(line, line);
    form.Aide->setDown(true);
    EXPECT_NE(shown().pixel(bevel), start.pixel(bevel));
    form.Aide->setDown(false);

    const auto focusedOn = [&](QWidget* control) {
        control->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(control->hasFocus());
        return shown();
    };
    const QRect option = device(form.Heure(0).geometry());
    const QImage onOption = focusedOn(&form.Heure(0));
    for (toolkit::PushButton* button : buttons) {
        SCOPED_TRACE(button->text().toStdString());
        expectDottedRectangle(focusedOn(button), onOption, device(button->geometry()), option, line);
    }
    // Around the round button, and nowhere else.
    expectDottedRectangle(onOption, focusedOn(form.Aide), option, device(form.Aide->geometry()), line);
}

TEST_F(ClassicLook, OnePixelBordersAreWholeDeviceLinesWithNoFringe)
{
    SCOPED_TRACE(ratio);
    const QImage image = shown();
    // Walks from one device pixel to another, the colours met in runs.
    const auto runs = [&](QPoint from, QPoint to) {
        std::vector<std::pair<QColor, int>> found;
        const QPoint step = to.x() == from.x() ? QPoint(0, 1) : QPoint(1, 0);
        for (QPoint p = from; p != to + step; p += step) {
            if (found.empty() || found.back().first != image.pixelColor(p))
                found.emplace_back(image.pixelColor(p), 0);
            ++found.back().second;
        }
        return found;
    };
    const QColor black(Qt::black);
    const auto expectCrisp = [&](QPoint from, QPoint to, std::vector<QColor> allowed) {
        allowed.push_back(black);
        for (const auto& [colour, length] : runs(from, to)) {
            EXPECT_NE(std::find(allowed.begin(), allowed.end(), colour), allowed.end()) << colour.name().toStdString();
            if (colour == black) { // a border, or two where boxes meet
                EXPECT_TRUE(length == line || length == 2 * line) << length;
            }
        }
    };
    // Down the hour panel's 24 rows, from above its outline.
    const QRect rows = device(form.Label2(0)) | device(form.Label2(23));
    expectCrisp({rows.center().x(), 0}, {rows.center().x(), rows.bottom() + line},
                {form.backColor(), form.Shape3.outlineColor(), form.Shape3.fillColor(), form.Label2(0).backColor()});
    // Down the readout panel, through the wind window and the ground readout.
    const int x = device(form.COG).left() + 3 * line;
    expectCrisp({x, device(form.Shape2).top() - line}, {x, device(form.COG).bottom() + line},
                {form.backColor(), form.Shape2.outlineColor(), form.Shape2.fillColor(), form.VMG.backColor(),
                 form.COG.backColor()});
}

TEST_F(ClassicLook, AFocusedSpotIsRingedInBlackDotsOnAWhiteLineAndNoFocusChangesNoPixel)
{
    SCOPED_TRACE(ratio);
    const QImage before = shown(); // the focus on the scale button
    for (toolkit::WindowlessControl* spot : std::initializer_list<toolkit::WindowlessControl*>{&form.Vb, &form.Lv1}) {
        form.focusControl(spot, Qt::TabFocusReason);
        const QImage ringed = shown();
        const QRectF area = QTransform::fromScale(ratio, ratio).mapRect(spot->focusRing());
        const QRect ring(QPoint(static_cast<int>(std::lround(area.left())), static_cast<int>(std::lround(area.top()))),
                         QPoint(static_cast<int>(std::lround(area.right())) - 1,
                                static_cast<int>(std::lround(area.bottom())) - 1));
        const QRect inside = ring.adjusted(line, line, -line, -line);
        const QRect button = device(form.Cinq(1).geometry()); // where the button's own focus went
        for (int y = 0; y < ringed.height(); ++y)
            for (int x = 0; x < ringed.width(); ++x)
                if (ringed.pixel(x, y) != before.pixel(x, y) && !button.contains(x, y)) {
                    ASSERT_TRUE(ring.contains(x, y) && !inside.contains(x, y)) << x << "," << y;
                }
        // Along the top: a dot of black, a dot of white, and so on.
        for (int x = ring.left(); x + line <= ring.right(); ++x)
            EXPECT_EQ(ringed.pixelColor(x, ring.top()), ((x - ring.left()) / line) % 2 ? Qt::white : Qt::black) << x;
    }
    form.Cinq(1).setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown(), before);
}

} // namespace
