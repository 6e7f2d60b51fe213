#include "support/help_windows.h"
#include "support/started_tool.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Quitting by the Exit button, and closing the main window by its own close
// box, which is not quitting.

namespace {

// Runs the tool's event loop, starting it with `start`; the status it ends
// with, or -1 if it was still running after five seconds.
int runEventLoop(const std::function<void()>& start)
{
    QTimer begin;
    begin.setSingleShot(true);
    QObject::connect(&begin, &QTimer::timeout, start);
    begin.start(0);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QApplication::exit(-1); });
    giveUp.start(5000);
    return QApplication::exec();
}

// A left-button move over the diagram, as the window system delivers it.
void dragOver(Form1& form, QPointF pixel)
{
    QMouseEvent move(QEvent::MouseMove, pixel, form.mapToGlobal(pixel), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &move);
}

TEST(Quit, ExitClosesBothWindowsAndEndsTheLoopWithStatusZero)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    Form1& form = tool.form();
    form.Aide->click();
    ASSERT_EQ(helpWindows().size(), 1u);

    EXPECT_EQ(runEventLoop([&] { form.Quitter->click(); }), 0);
    EXPECT_EQ(form.helpWindow(), nullptr);
    EXPECT_TRUE(helpWindows().empty());
    EXPECT_FALSE(form.isVisible());
}

TEST(Quit, NoHandlerRunsOnEventsBehindTheExitClick)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    Form1& form = tool.form();
    DiagramState& s = tool.state();
    dragOver(form, {100, 250});
    const float windX = s.WindX;
    ASSERT_NE(windX, -10) << "the drag did not reach the window before quitting";

    form.Quitter->click();
    EXPECT_FALSE(form.isVisible());
    dragOver(form, {120, 260});
    QTest::mouseClick(&form.Cinq(0), Qt::LeftButton);
    QTest::mouseClick(form.Aide, Qt::LeftButton);

    EXPECT_EQ(s.WindX, windX);
    EXPECT_EQ(s.ScaleKnots, 10);
    EXPECT_TRUE(helpWindows().empty());
}

TEST(Quit, TheCloseBoxLeavesTheHelpWindowAndTheToolRunsUntilItCloses)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    Form1& form = tool.form();
    form.Aide->click();
    QPointer<Form2> help = form.helpWindow();

    bool helpOpenAfterMainClosed = false;
    QTimer closeHelp;
    closeHelp.setSingleShot(true);
    QObject::connect(&closeHelp, &QTimer::timeout, [&] {
        helpOpenAfterMainClosed = help && help->isVisible();
        help->close();
    });
    const int status = runEventLoop([&] {
        form.close();
        closeHelp.start(50);
    });

    EXPECT_TRUE(helpOpenAfterMainClosed) << "the loop ended, or the help window went, with the main window";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(help, nullptr);
}

} // namespace
