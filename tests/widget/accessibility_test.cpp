// What a screen reader reaches through Qt's accessibility: every text shown,
// the spots by name, the buttons told apart, and actions that leave the
// tool exactly as the same clicks do.
#include "help_window/help_text.h"
#include "support/calcul_runs.h"
#include "support/form_controls.h"
#include "support/help_windows.h"
#include "support/hour_records.h"
#include "support/reader.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace {

QString asRead(QString caption) { return caption.replace(u'\r', u'\n'); }

TEST(Accessibility, EveryShownTextSpotAndButtonIsAChildInReadingOrderUnderItsOwnName)
{
    StartedTool tool;
    Form1& form = tool.form();
    recordHour(tool, 2, 300, -200); // the means show
    form.Label4.setVisible(false);
    form.Label7.setCaption(QStringLiteral("Echelle\r(kn):"));
    QAccessibleInterface* window = readerOf(form);
    std::map<std::pair<QAccessible::Role, QString>, int> named;
    QRect previous;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(child->parent(), window);
        EXPECT_EQ(window->indexOfChild(child), i);
        ++named[{child->role(), child->text(QAccessible::Name)}];
        const QRect at = child->rect(); // top to bottom, then left to right
        EXPECT_LE(std::pair(previous.top(), previous.left()), std::pair(at.top(), at.left())) << i;
        previous = at;
    }
    for (const char* spot : {"bateau", "courant", "vent", "route fond", "courant moyen", "route fond moyenne"})
        EXPECT_EQ((named[{QAccessible::Graphic, QString::fromUtf8(spot)}]), 1) << spot;
    for (const char* caption : {"5", "10", "15", "20", "Exit", "Aide"})
        EXPECT_EQ((named[{QAccessible::Button, QString::fromUtf8(caption)}]), 1) << caption;
    for (int hour = 1; hour <= 24; ++hour) {
        EXPECT_EQ((named[{QAccessible::RadioButton, QStringLiteral("Heure %1").arg(hour)}]), 1);
        EXPECT_EQ((named[{QAccessible::RadioButton, QStringLiteral("Effacer l'heure %1").arg(hour)}]), 1);
    }
    int labels = 0;
    for (const toolkit::Label* label : labelsOf(form)) {
        QAccessibleInterface* read = label->accessible();
        ASSERT_EQ(window->indexOfChild(read) >= 0, label->visible()) << label->caption().toStdString();
        if (!label->visible())
            continue;
        ++labels;
        EXPECT_EQ(read->role(), QAccessible::StaticText);
        EXPECT_EQ(read->text(QAccessible::Name), asRead(label->caption()));
        EXPECT_EQ(read->textInterface()->text(0, read->textInterface()->characterCount()), asRead(label->caption()));
        const QRect box = toolkit::wholePixelRect(label->left(), label->top(), label->width(), label->height());
        EXPECT_EQ(read->rect(), box.translated(form.mapToGlobal(QPoint(0, 0)))) << label->caption().toStdString();
    }
    // Besides the labels shown: the figures shown that are named, and every button.
    int figures = 0;
    for (const toolkit::WindowlessControl* control : form.controls())
        figures += !dynamic_cast<const toolkit::Label*>(control) && control->readable();
    EXPECT_EQ(window->childCount(), labels + figures + form.findChildren<QAbstractButton*>().size());
}

TEST(Accessibility, HourButtonsAreReadWithTheirRowAndColoursAreToldInWords)
{
    StartedTool tool;
    Form1& form = tool.form();
    recordHour(tool, 4, 300, -200);
    QAccessibleInterface* heure = readerOf(form.Heure(4));
    EXPECT_TRUE(heure->text(QAccessible::Description).startsWith(QStringLiteral(" 5: ")));
    const auto labelledBy = heure->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy.front().first, form.Label2(4).accessible());

    for (int chosen : {1, 3}) {
        form.Cinq_Click(static_cast<std::int16_t>(chosen));
        for (int i = 0; i < form.Cinq.size(); ++i)
            EXPECT_EQ(readerOf(form.Cinq(i))->text(QAccessible::Description).isEmpty(), i != chosen) << i;
    }
    EXPECT_EQ(form.Vent.accessible()->text(QAccessible::Description), QString());
    tool.state().WindX = tool.state().BoatX; // the wind right ahead: red
    tool.state().WindY = tool.state().BoatY;
    form.Calcul();
    EXPECT_EQ(form.Vent.accessible()->text(QAccessible::Description), QStringLiteral("angle du vent au bateau inférieur à 45°"));
}

TEST(Accessibility, TheWholeHelpTextIsReadLineByLineAndCharacterByPlace)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    tool.form().Aide_Click();
    QAccessibleInterface* help = readerOf(*tool.form().helpWindow());
    ASSERT_EQ(help->childCount(), 1);
    QAccessibleTextInterface* text = help->child(0)->textInterface();
    const QString whole = help::assembleHelpText(u'\r');
    const int length = static_cast<int>(whole.size());
    ASSERT_EQ(text->characterCount(), length);
    EXPECT_EQ(text->text(0, length), asRead(whole));
    QStringList lines;
    for (int offset = 0, start = -1, end = -1; offset < length; offset = end) {
        const QString line = text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
        ASSERT_GT(end, offset);
        lines << (line.endsWith(u'\n') ? line.chopped(1) : line);
    }
    EXPECT_EQ(lines, whole.split(u'\r'));
    const int third = static_cast<int>(whole.indexOf(u'\r')) + 2; // the first of the third line
    EXPECT_GT(text->characterRect(third).top(), text->characterRect(0).bottom());
    EXPECT_GT(text->characterRect(1).left(), text->characterRect(0).left());
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(third).center()), third);
}

// The keyboard rests on the help text, where a screen reader's caret moves
// as in a read-only text field, and nothing else takes the keys.
TEST(Accessibility, TheHelpTextHasTheKeyboardAndItsCaretMovesByLineByCharacterAndToItsEnds)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    tool.form().Aide_Click();
    Form2& help = *tool.form().helpWindow();
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    QAccessibleInterface* text = readerOf(help)->focusChild();
    ASSERT_EQ(text, help.Label1.accessible());
    EXPECT_EQ(text->role(), QAccessible::EditableText);
    const QAccessible::State state = text->state();
    EXPECT_TRUE(state.focused && state.focusable && state.readOnly && state.multiLine);

    const QString whole = asRead(help::assembleHelpText(u'\r'));
    const int second = static_cast<int>(whole.indexOf(u'\n')) + 1; // a blank line, then the second paragraph
    const int secondEnd = static_cast<int>(whole.indexOf(u'\n', second + 1));
    const int last = static_cast<int>(whole.lastIndexOf(u'\n')) + 1;
    const int size = static_cast<int>(whole.size());
    const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> steps{
        {Qt::Key_Up, Qt::NoModifier, 0},         {Qt::Key_Down, Qt::NoModifier, second},
        {Qt::Key_Down, Qt::NoModifier, second + 1}, {Qt::Key_Right, Qt::NoModifier, second + 2},
        {Qt::Key_A, Qt::NoModifier, second + 2}, {Qt::Key_End, Qt::NoModifier, secondEnd},
        {Qt::Key_Home, Qt::NoModifier, second + 1}, {Qt::Key_Left, Qt::NoModifier, second},
        {Qt::Key_Up, Qt::NoModifier, 0},         {Qt::Key_PageDown, Qt::NoModifier, last},
        {Qt::Key_Down, Qt::NoModifier, last},    {Qt::Key_End, Qt::ControlModifier, size},
        {Qt::Key_Right, Qt::NoModifier, size},   {Qt::Key_PageUp, Qt::NoModifier, 0},
        {Qt::Key_Home, Qt::ControlModifier, 0},
    };
    for (const auto& [key, modifiers, caret] : steps) {
        QTest::keyClick(&help, key, modifiers);
        EXPECT_EQ(text->textInterface()->cursorPosition(), caret) << key;
    }
    EXPECT_EQ(help.Label1.caption(), help::assembleHelpText(u'\r'));
}

// What the tool shows after the same clicks: marks, rows, scale, focus after
// each click, Calcul runs, and which windows are open.
using Outcome = std::tuple<std::vector<bool>, QStringList, std::int16_t, QStringList, long, bool, bool>;

Outcome clickThrough(const std::function<void(QAbstractButton&, bool radio)>& click)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    Form1& f = tool.form();
    const CalculRuns calculs(f);
    QStringList focus, rows;
    for (auto [button, radio] : std::initializer_list<std::pair<QAbstractButton*, bool>>{
             {&f.Heure(3), true}, {&f.Heure(3), true}, {&f.Heure(5), true}, {&f.Raz(3), true}, {&f.Raz(7), true},
             {&f.Raz(7), true}, {&f.Cinq(2), false}, {&f.Heure(1), true}, {f.Aide, false}, {f.Quitter, false}}) {
        click(*button, radio);
        int checked = 0;
        for (int i = 0; i < form1_design::HourRows; ++i)
            checked += f.Heure(i).value() + f.Raz(i).value();
        EXPECT_EQ(checked, 1) << "the group is exclusive";
        focus << (f.focusWidget() ? readerOf(*f.focusWidget())->text(QAccessible::Name) : QString());
    }
    std::vector<bool> marks;
    for (int i = 0; i < form1_design::HourRows; ++i) {
        marks.insert(marks.end(), {f.Heure(i).value(), f.Raz(i).value()});
        rows << f.Label2(i).caption();
    }
    return {marks, rows, tool.state().ScaleKnots, focus, calculs.count(), f.helpWindow() != nullptr, f.isVisible()};
}

TEST(Accessibility, EveryActionOnAButtonDoesExactlyWhatTheSameClickDoes)
{
    const Outcome pointer = clickThrough([](QAbstractButton& button, bool) {
        QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
    });
    for (const QString& action : {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
        const Outcome read = clickThrough([&](QAbstractButton& button, bool radio) {
            QAccessibleActionInterface* actions = readerOf(button)->actionInterface();
            const QString name = radio ? action : QAccessibleActionInterface::pressAction();
            ASSERT_TRUE(actions->actionNames().contains(name)) << name.toStdString();
            actions->doAction(name);
        });
        EXPECT_TRUE(read == pointer) << action.toStdString();
    }
    // The focus alone moves, as a press dragged off the button leaves it.
    StartedTool tool;
    const CalculRuns calculs(tool.form());
    readerOf(tool.form().Heure(6))->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(tool.form().focusWidget(), &tool.form().Heure(6));
    EXPECT_FALSE(tool.form().Heure(6).value());
    EXPECT_EQ(calculs.count(), 0);
}

} // namespace
