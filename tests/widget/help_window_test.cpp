#include "help_window/form2.h"
#include "help_window/help_text.h"
#include "support/help_windows.h"
#include "support/pixels.h"
#include "support/started_tool.h"
#include "toolkit/system_colours.h"

#include <QApplication>
#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

// The help window as Aide_Click opens, fills and sizes it, and the label
// that shows the text's lone carriage returns as line breaks.

namespace {

void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

int outerHeightFor(const toolkit::Label& label) { return static_cast<int>(std::lround((label.height() + 1000) / 15.0)); }

// The help window as it is first shown, before the click fills it.
struct AsShown {
    QSize clientSize;
    QString caption;
    float labelHeight = 0;
};

class ShowWatcher : public QObject {
public:
    ShowWatcher() { qApp->installEventFilter(this); }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }
    std::optional<AsShown> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* help = qobject_cast<Form2*>(watched))
                shown = AsShown{help->size(), help->Label1.caption(), help->Label1.height()};
        return false;
    }
};

class HelpWindow : public testing::Test {
protected:
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    Form1& form = tool.form();
};

TEST_F(HelpWindow, FirstClickShowsTheDesignWindowThenFillsAndSizesIt)
{
    ShowWatcher watcher;
    form.Aide->click();

    ASSERT_TRUE(watcher.shown.has_value());
    EXPECT_EQ(watcher.shown->clientSize, QSize(880, 114));
    EXPECT_TRUE(watcher.shown->caption.isEmpty());
    EXPECT_EQ(watcher.shown->labelHeight, 225);

    Form2* help = form.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Aide"));
    EXPECT_EQ(help->parentWidget(), nullptr);
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isEnabled());

    EXPECT_EQ(form.var.HelpText, help::assembleHelpText(u'\r'));
    EXPECT_EQ(help->Label1.caption(), form.var.HelpText);
    EXPECT_GT(help->Label1.height(), 225);
    EXPECT_EQ(help->width(), 880);
    EXPECT_EQ(help->frameGeometry().height(), outerHeightFor(help->Label1));
}

TEST_F(HelpWindow, IsASizableDarkBlueWindowWithOneGreyLabelAndTheMainIcon)
{
    form.Aide->click();
    Form2& help = *form.helpWindow();

    EXPECT_NE(help.minimumSize(), help.maximumSize());
    for (Qt::WindowType button : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint})
        EXPECT_TRUE(help.windowFlags() & button);
    ASSERT_FALSE(help.windowIcon().isNull());
    EXPECT_EQ(help.windowIcon().pixmap(48).toImage(), form.windowIcon().pixmap(48).toImage());

    const toolkit::Label& label = help.Label1;
    const QImage image = renderWindow(help);
    EXPECT_EQ(pixelAtTwips(image, 30, 30), toolkit::rgb(1, 0, 66));
    EXPECT_EQ(pixelAtTwips(image, 13140, 300), toolkit::rgb(1, 0, 66));
    EXPECT_EQ(pixelAtTwips(image, 120, label.top() + label.height() + 60), toolkit::rgb(1, 0, 66));
    EXPECT_EQ(pixelAtTwips(image, 13000, label.top() + 30), toolkit::systemColour(toolkit::SystemColour::ButtonFace));
}

TEST_F(HelpWindow, SecondClickKeepsOneWindowWithTheSameTextAndHeight)
{
    form.Aide->click();
    Form2* first = form.helpWindow();
    const QString text = first->Label1.caption();
    const int height = first->frameGeometry().height();

    first->showMinimized();
    form.activateWindow();
    QCoreApplication::processEvents();
    form.Aide->click();
    QCoreApplication::processEvents();

    EXPECT_EQ(helpWindows(), std::vector<Form2*>{first});
    EXPECT_EQ(form.helpWindow(), first);
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(QApplication::activeWindow(), first);
    EXPECT_EQ(first->Label1.caption(), text);
    EXPECT_EQ(form.var.HelpText, help::assembleHelpText(u'\r'));
    EXPECT_EQ(first->frameGeometry().height(), height);
}

TEST_F(HelpWindow, ClosingDestroysItAndTheNextClickBuildsItAfresh)
{
    form.Aide->click();
    const int filledHeight = form.helpWindow()->frameGeometry().height();
    form.helpWindow()->resize(500, 200);
    form.helpWindow()->close();
    deleteClosedWindows();
    EXPECT_EQ(form.helpWindow(), nullptr);
    EXPECT_TRUE(helpWindows().empty());

    ShowWatcher watcher;
    form.Aide->click();
    ASSERT_TRUE(watcher.shown.has_value());
    EXPECT_EQ(watcher.shown->clientSize, QSize(880, 114));
    EXPECT_TRUE(watcher.shown->caption.isEmpty());
    Form2* again = form.helpWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->width(), 880);
    EXPECT_EQ(again->frameGeometry().height(), filledHeight);
}

TEST_F(HelpWindow, AClickBeforeAClosedWindowIsDeletedStillLeavesOneOpen)
{
    form.Aide->click();
    form.helpWindow()->close();
    form.Aide->click();
    deleteClosedWindows();

    ASSERT_EQ(helpWindows().size(), 1u);
    EXPECT_EQ(form.helpWindow(), helpWindows().front());
    EXPECT_TRUE(form.helpWindow()->isVisible());
}

// The lowest image row, within the label, that holds text.
int lowestInkRow(Form2& help)
{
    const QImage image = renderWindow(help);
    const toolkit::Label& label = help.Label1;
    const QColor face = label.backColor();
    const int left = static_cast<int>(toolkit::toPixels(label.left()));
    const int right = static_cast<int>(toolkit::toPixels(label.left() + label.width()));
    const int top = static_cast<int>(toolkit::toPixels(label.top()));
    for (int y = static_cast<int>(toolkit::toPixels(label.top() + label.height())) - 1; y >= top; --y)
        for (int x = left; x < right; ++x)
            if (image.pixelColor(x, y) != face)
                return y;
    return -1;
}

TEST_F(HelpWindow, LabelBreaksLinesAtLoneCarriageReturns)
{
    form.Aide->click();
    Form2& help = *form.helpWindow();
    toolkit::Label& label = help.Label1;
    const double fontHeight = QFontMetricsF(label.font()).height();

    label.setCaption(QStringLiteral("Les r\u00E9sultats affich\u00E9s sont: -Le cap"));
    const float oneLineHeight = label.height();
    const int oneLineInk = lowestInkRow(help);

    const QString twoLines = QStringLiteral("Les r\u00E9sultats affich\u00E9s sont:\r -Le cap");
    label.setCaption(twoLines);
    EXPECT_EQ(label.caption(), twoLines);
    const double lineStep = toolkit::toPixels(label.height() - oneLineHeight);
    EXPECT_GE(lineStep, fontHeight);
    EXPECT_LE(lineStep, fontHeight + 3);
    EXPECT_EQ(lowestInkRow(help) - oneLineInk, lineStep);

    // A pair of breaks leaves one empty line.
    label.setCaption(QStringLiteral("Les r\u00E9sultats affich\u00E9s sont:\r\r -Le cap"));
    EXPECT_EQ(toolkit::toPixels(label.height() - oneLineHeight), 2 * lineStep);
    EXPECT_EQ(lowestInkRow(help) - oneLineInk, 2 * lineStep);
}

TEST_F(HelpWindow, HelpTextWrapsAtTheLabelWidthAndFitsItsHeight)
{
    form.Aide->click();
    Form2& help = *form.helpWindow();
    const toolkit::Label& label = help.Label1;
    const double lineSpacing = QFontMetricsF(label.font()).lineSpacing();

    // Twenty-two lines at least, and more where long ones wrap.
    const double lines = toolkit::toPixels(label.height()) / lineSpacing;
    EXPECT_GT(lines, 24);
    EXPECT_LT(lines, 40);
    const int labelBottom = static_cast<int>(toolkit::toPixels(label.top() + label.height()));
    const int ink = lowestInkRow(help);
    EXPECT_GT(ink, labelBottom - lineSpacing) << "the label is taller than its text";
    EXPECT_GT(help.height(), labelBottom) << "the window cuts the label";
}

} // namespace
