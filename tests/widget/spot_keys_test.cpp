// The keyboard on the diagram, through Qt's own key delivery to the real
// window: the tab cycle, and the keys on a focused spot against the diagram
// state and the readouts.
#include "diagram/spot_steps.h"
#include "diagram/vectors.h"
#include "support/hour_records.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace {

class SpotKeys : public testing::Test {
protected:
    SpotKeys()
    {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // A key as the keyboard gives it: to the widget with Qt's focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    using Stop = std::variant<QWidget*, toolkit::WindowlessControl*>;
    Stop focused() const
    {
        if (form.hasFocus() && form.focusedControl())
            return form.focusedControl();
        return QApplication::focusWidget();
    }

    StartedTool tool;
    Form1& form = tool.form();
    DiagramState& s = tool.state();
};

TEST_F(SpotKeys, TabRunsTheButtonsThenTheBoatCurrentWindAndResultsAndShiftTabBack)
{
    recordHour(tool, 0, 300, -200); // the means show, and take the focus in turn
    std::vector<Stop> expected{&form.Cinq(0), &form.Cinq(1), &form.Cinq(2), &form.Cinq(3), form.Aide, form.Quitter};
    for (int i = 0; i < form.Heure.size(); ++i)
        expected.emplace_back(&form.Heure(i));
    for (int i = 0; i < form.Raz.size(); ++i)
        expected.emplace_back(&form.Raz(i));
    for (toolkit::WindowlessControl* spot : std::initializer_list<toolkit::WindowlessControl*>{
             &form.Vb, &form.Vc, &form.Lv1, &form.Vf, &form.Vcmoyen, &form.Vfmoyen})
        expected.emplace_back(spot);
    form.Cinq(0).setFocus(Qt::TabFocusReason);
    std::vector<Stop> forward{focused()};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        press(Qt::Key_Tab);
        forward.push_back(focused());
    }
    expected.push_back(expected.front()); // and round again
    EXPECT_EQ(forward, expected);
    std::vector<Stop> backward{focused()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.push_back(focused());
    }
    EXPECT_EQ(std::vector<Stop>(backward.rbegin(), backward.rend()), expected);

    // Hidden, the means are passed over.
    form.Raz_Click(0);
    form.focusControl(&form.Vf, Qt::TabFocusReason);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), Stop(&form.Cinq(0)));
    EXPECT_FALSE(form.Vf.hasFocus());
}

TEST_F(SpotKeys, KeysStepWhatTheReadoutsShowThroughTheStateAndCalcul)
{
    ASSERT_EQ(form.Sail.caption(), QString::fromUtf8("7,1n  315°"));
    form.focusControl(&form.Vb, Qt::TabFocusReason);
    press(Qt::Key_Up, Qt::NoModifier, 5);
    EXPECT_EQ(form.Sail.caption(), QString::fromUtf8("7,6n  315°"));
    press(Qt::Key_Right, Qt::NoModifier, 10);
    EXPECT_EQ(form.Sail.caption(), QString::fromUtf8("7,6n  325°"));
    press(Qt::Key_Left, Qt::ShiftModifier, 2);
    press(Qt::Key_PageDown);
    EXPECT_EQ(form.Sail.caption(), QString::fromUtf8("6,6n  305°"));
    // The state holds the stepped vector, the spot lies on it as a drag
    // leaves it, and the ground track follows.
    const spot_steps::Offset expected = spot_steps::offsetShowing({66, 305}, s.TwipsPerKnot, s.Radius, s.Pi);
    EXPECT_EQ(s.BoatX, expected.x);
    EXPECT_EQ(s.BoatY, expected.y);
    EXPECT_EQ(form.Vb.left(), static_cast<float>(spotEdge(s.CenterX, s.BoatX, form.Vb.width())));
    EXPECT_EQ(s.GroundX, s.BoatX + s.CurrentX);
    EXPECT_EQ(form.Lb.x2(), s.CenterX + s.BoatX);
    press(Qt::Key_PageUp, Qt::NoModifier, 5);
    EXPECT_EQ(form.Sail.caption(), QString::fromUtf8("10,0n  305°")) << "the outer ring";

    // The current down to nothing keeps its heading, and leaves it again.
    form.focusControl(&form.Vc, Qt::TabFocusReason);
    press(Qt::Key_PageDown, Qt::NoModifier, 3);
    EXPECT_EQ(form.Flow.caption(), QString::fromUtf8("0,0n  45°"));
    press(Qt::Key_Up);
    EXPECT_EQ(form.Flow.caption(), QString::fromUtf8("0,1n  45°"));

    // The wind only turns.
    form.focusControl(&form.Lv1, Qt::TabFocusReason);
    const float windX = s.WindX, windY = s.WindY;
    press(Qt::Key_Up);
    press(Qt::Key_PageDown);
    EXPECT_EQ(std::pair(s.WindX, s.WindY), std::pair(windX, windY));
    press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(form.Vent.caption().startsWith(QStringLiteral("Vent 235/"))) << form.Vent.caption().toStdString();
}

TEST_F(SpotKeys, OtherKeysAndKeysDuringADragChangeNothing)
{
    form.focusControl(&form.Vb, Qt::TabFocusReason);
    const DiagramState before = s;
    const QString sail = form.Sail.caption();
    press(Qt::Key_Up, Qt::ControlModifier);
    press(Qt::Key_Right, Qt::AltModifier);
    press(Qt::Key_Home);
    press(Qt::Key_A);
    press(Qt::Key_Space);
    EXPECT_EQ(std::pair(s.BoatX, s.BoatY), std::pair(before.BoatX, before.BoatY));
    EXPECT_EQ(form.Sail.caption(), sail);

    // With the button held the drag owns the spots: the key waits for the
    // release, and the drag goes on from where the pointer has the boat.
    const QPoint boat = form.Vb.accessibleArea().center().toPoint();
    QTest::mousePress(&form, Qt::LeftButton, {}, boat);
    press(Qt::Key_PageUp);
    EXPECT_EQ(std::pair(s.BoatX, s.BoatY), std::pair(before.BoatX, before.BoatY));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, boat);
    press(Qt::Key_PageUp);
    EXPECT_EQ(form.Sail.caption(), QString::fromUtf8("8,1n  315°"));
    EXPECT_EQ(std::pair(s.CurrentX, s.CurrentY), std::pair(before.CurrentX, before.CurrentY));
}

} // namespace
