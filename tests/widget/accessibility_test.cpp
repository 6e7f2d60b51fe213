// What a screen reader reaches through Qt's accessibility: every text shown,
// the spots by name, the buttons told apart, and actions that leave the
// tool exactly as the same clicks do.
#include "help_window/help_text.h"
#include "support/calcul_runs.h"
#include "support/form_controls.h"
#include "support/help_windows.h"
#include "support/hour_records.h"
#include "support/print_qstring.h"
#include "support/reader.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

namespace {

std::vector<QAccessibleInterface*> childrenOf(QAccessibleInterface* parent)
{
    std::vector<QAccessibleInterface*> children;
    for (int i = 0; i < parent->childCount(); ++i)
        children.push_back(parent->child(i));
    return children;
}

QString asRead(QString caption) { return caption.replace(u'\r', u'\n'); }

TEST(Accessibility, EveryShownTextAndSpotIsAChildInReadingOrderAndEveryButtonHasItsOwnName)
{
    StartedTool tool;
    Form1& form = tool.form();
    recordHour(tool, 2, 300, -200); // the means and their labels show
    form.Label4.setVisible(false);  // and one label is hidden again
    form.Label7.setCaption(QStringLiteral("Echelle\r(kn):"));
    QAccessibleInterface* window = readerOf(form);
    ASSERT_EQ(window->role(), QAccessible::Window);
    const std::vector<QAccessibleInterface*> children = childrenOf(window);

    std::map<QString, int> figures;
    std::set<QString> buttons, radios;
    for (int index = 0; index < static_cast<int>(children.size()); ++index) {
        QAccessibleInterface* child = children[static_cast<std::size_t>(index)];
        EXPECT_EQ(child->parent(), window);
        EXPECT_EQ(window->indexOfChild(child), index);
        const QString name = child->text(QAccessible::Name);
        if (child->role() == QAccessible::Graphic)
            ++figures[name];
        else if (child->role() == QAccessible::Button)
            buttons.insert(name);
        else if (child->role() == QAccessible::RadioButton)
            radios.insert(name);
    }
    for (const char* spot : {"bateau", "courant", "route fond", "courant moyen", "route fond moyenne"})
        EXPECT_EQ(figures[QString::fromUtf8(spot)], 1) << spot;
    EXPECT_EQ(figures.size(), 5u) << "only the spots are named figures";
    EXPECT_EQ(buttons, (std::set<QString>{"5", "10", "15", "20", "Exit", "Aide"}));
    EXPECT_EQ(radios.size(), 48u);
    EXPECT_TRUE(radios.contains(QStringLiteral("Heure 3")));
    EXPECT_TRUE(radios.contains(QStringLiteral("Effacer l'heure 24")));

    int labels = 0;
    for (const toolkit::Label* label : labelsOf(form)) {
        QAccessibleInterface* read = label->accessible();
        const int index = window->indexOfChild(read);
        ASSERT_EQ(index >= 0, label->visible()) << label->caption().toStdString();
        if (!label->visible())
            continue;
        ++labels;
        EXPECT_EQ(read->role(), QAccessible::StaticText);
        EXPECT_EQ(read->text(QAccessible::Name), asRead(label->caption()));
        EXPECT_EQ(read->textInterface()->text(0, read->textInterface()->characterCount()), asRead(label->caption()));
        const QRect box = toolkit::wholePixelRect(label->left(), label->top(), label->width(), label->height());
        EXPECT_EQ(read->rect(), box.translated(form.mapToGlobal(QPoint(0, 0)))) << label->caption().toStdString();
    }
    EXPECT_EQ(children.size(), static_cast<std::size_t>(labels) + 5 + 54);

    // Top to bottom, then left to right.
    for (std::size_t i = 1; i < children.size(); ++i) {
        const QRect before = children[i - 1]->rect(), after = children[i]->rect();
        EXPECT_LE(std::pair(before.top(), before.left()), std::pair(after.top(), after.left())) << i;
    }
}

TEST(Accessibility, HourButtonsAreReadWithTheirRowAndTheWindAndScaleAreToldInWords)
{
    StartedTool tool;
    Form1& form = tool.form();
    recordHour(tool, 4, 300, -200);
    QAccessibleInterface* heure = readerOf(form.Heure(4));
    EXPECT_EQ(heure->text(QAccessible::Description), form.Label2(4).caption());
    EXPECT_TRUE(heure->text(QAccessible::Description).startsWith(QStringLiteral(" 5: ")));
    const auto labelledBy = heure->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy.front().first, form.Label2(4).accessible());
    EXPECT_TRUE(heure->state().checkable);

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(readerOf(form.Cinq(i))->text(QAccessible::Description).isEmpty(), i != 1) << i;
    form.Cinq_Click(3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(readerOf(form.Cinq(i))->text(QAccessible::Description).isEmpty(), i != 3) << i;

    QAccessibleInterface* vent = form.Vent.accessible();
    EXPECT_EQ(vent->text(QAccessible::Description), QString());
    tool.state().WindX = tool.state().BoatX; // the wind right ahead: red
    tool.state().WindY = tool.state().BoatY;
    form.Calcul();
    EXPECT_EQ(vent->text(QAccessible::Description), QStringLiteral("angle du vent au bateau inférieur à 45°"));

    // A drag rewrites the readouts; the reader finds the new text.
    const QString before = form.Sail.accessible()->text(QAccessible::Name);
    dragBoat(tool, tool.state().BoatX + 300, tool.state().BoatY);
    EXPECT_NE(form.Sail.accessible()->text(QAccessible::Name), before);
    EXPECT_EQ(form.Sail.accessible()->text(QAccessible::Name), form.Sail.caption());
}

TEST(Accessibility, TheWholeHelpTextIsReadLineByLine)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    tool.form().Aide_Click();
    QAccessibleInterface* help = readerOf(*tool.form().helpWindow());
    ASSERT_EQ(help->childCount(), 1);
    QAccessibleTextInterface* text = help->child(0)->textInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(text->characterCount(), 1522);
    const QString whole = help::assembleHelpText(u'\r');
    EXPECT_EQ(text->text(0, 1522), asRead(whole));

    QStringList lines;
    for (int offset = 0, start = -1, end = -1; offset < 1522; offset = end) {
        QString line = text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
        ASSERT_GT(end, offset);
        lines << (line.endsWith(u'\n') ? line.chopped(1) : line);
    }
    EXPECT_EQ(lines, whole.split(u'\r'));

    // Each character by its place, as a reader that follows the pointer finds it.
    const int third = static_cast<int>(whole.indexOf(u'\r')) + 2; // the first of the third line
    EXPECT_GT(text->characterRect(third).top(), text->characterRect(0).bottom());
    EXPECT_GT(text->characterRect(1).left(), text->characterRect(0).left());
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(third).center()), third);
}

// What the buttons and the tool show after a series of clicks.
struct Outcome {
    std::vector<bool> checked;
    QStringList rows;
    std::int16_t scale;
    QStringList focus; // after each click, the name of the button with the window's focus
    long calculs;
    bool helpOpen, mainShown;
    bool operator==(const Outcome&) const = default;
};

Outcome clickThrough(const std::function<void(QAbstractButton&, bool radio)>& click)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool;
    Form1& f = tool.form();
    const long calculsBefore = calculRuns();
    QStringList focus;
    for (auto [button, radio] : std::initializer_list<std::pair<QAbstractButton*, bool>>{
             {&f.Heure(3), true}, {&f.Heure(3), true}, {&f.Heure(5), true}, {&f.Raz(3), true}, {&f.Raz(7), true},
             {&f.Raz(7), true}, {&f.Cinq(2), false}, {&f.Heure(1), true}, {f.Aide, false}, {f.Quitter, false}}) {
        click(*button, radio);
        int checked = 0;
        for (int i = 0; i < 24; ++i)
            checked += f.Heure(i).value() + f.Raz(i).value();
        EXPECT_EQ(checked, 1) << "the group is exclusive";
        focus << (f.focusWidget() ? readerOf(*f.focusWidget())->text(QAccessible::Name) : QString());
    }
    Outcome outcome{{}, {}, tool.state().ScaleKnots, focus, calculRuns() - calculsBefore, f.helpWindow() != nullptr,
                    f.isVisible()};
    for (int i = 0; i < 24; ++i) {
        outcome.checked.insert(outcome.checked.end(), {f.Heure(i).value(), f.Raz(i).value()});
        outcome.rows << f.Label2(i).caption();
    }
    return outcome;
}

TEST(Accessibility, EveryActionOnAButtonDoesExactlyWhatTheSameClickDoes)
{
    const Outcome pointer = clickThrough([](QAbstractButton& button, bool) {
        QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
    });
    ASSERT_FALSE(pointer.rows.join(QString()).isEmpty());
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
    const long calculs = calculRuns();
    readerOf(tool.form().Heure(6))->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(tool.form().focusWidget(), &tool.form().Heure(6));
    EXPECT_FALSE(tool.form().Heure(6).value());
    EXPECT_EQ(calculRuns(), calculs);
}

} // namespace
