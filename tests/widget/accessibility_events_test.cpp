// What a screen reader hears as the tool changes. Announcements go out only
// while one listens, which Qt knows only through the AT-SPI bridge of a real
// display: these run in accessibility.active (see tests/CMakeLists.txt).
#include "support/hour_records.h"
#include "support/reader.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct Announced {
    QAccessible::Event type;
    QAccessibleInterface* source;
    QString text;
};
std::vector<Announced> announced;

void record(QAccessibleEvent* event)
{
    const bool text = event->type() == QAccessible::TextUpdated;
    announced.push_back({event->type(), event->accessibleInterface(),
                         text ? static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted() : QString()});
}

std::vector<QAccessible::Event> typesFrom(const toolkit::LightControl& control, const QString& text = {})
{
    std::vector<QAccessible::Event> types;
    for (const Announced& event : announced)
        if (event.source == control.accessible() && (text.isNull() || event.text == text))
            types.push_back(event.type);
    return types;
}

TEST(AccessibilityActive, ChangedTextsShownControlsAndWarningsAreAnnouncedAndNothingElse)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "Qt has no accessibility on the offscreen platform";
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus answered on " << QGuiApplication::platformName().toStdString();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&record);
    StartedTool tool;
    Form1& form = tool.form();

    announced.clear();
    dragBoat(tool, tool.state().BoatX + 300, tool.state().BoatY);
    // The readout's new text, read and announced once.
    EXPECT_EQ(form.Sail.accessible()->text(QAccessible::Name), form.Sail.caption());
    EXPECT_EQ(typesFrom(form.Sail, form.Sail.caption()), std::vector{QAccessible::TextUpdated});
    EXPECT_EQ(typesFrom(form.Sail).back(), QAccessible::NameChanged);
    EXPECT_TRUE(typesFrom(form.Label1).empty()) << "a caption that stays is announced";
    EXPECT_TRUE(typesFrom(form.Flow).empty()) << "the current did not change";

    announced.clear();
    readerOf(form.Heure(2))->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(typesFrom(form.Label2(2), form.Label2(2).caption()), std::vector{QAccessible::TextUpdated});
    EXPECT_EQ(typesFrom(form.Vcmoyen), std::vector{QAccessible::ObjectShow});

    announced.clear();
    tool.state().WindX = tool.state().BoatX;
    tool.state().WindY = tool.state().BoatY;
    form.Calcul();
    EXPECT_EQ(std::ranges::count(typesFrom(form.Vent), QAccessible::DescriptionChanged), 1);
    QAccessible::installUpdateHandler(previous);
}

} // namespace
