// What a screen reader hears as the tool changes: announcements go out
// only while one listens, which Qt knows only through the AT-SPI bridge of
// a real display (see tests/CMakeLists.txt); the offscreen runs skip these.
#include "support/hour_records.h"
#include "support/reader.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class AccessibilityActive : public testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            GTEST_SKIP() << "needs the AT-SPI bridge of a real display";
        QElapsedTimer waited;
        waited.start();
        while (!QAccessible::isActive() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus answered";
        previous_ = QAccessible::installUpdateHandler(&record);
        events().clear();
    }
    void TearDown() override
    {
        if (QAccessible::isActive())
            QAccessible::installUpdateHandler(previous_);
    }

    struct Event {
        QAccessible::Event type;
        QAccessibleInterface* source;
        QString text;
    };
    static std::vector<Event>& events()
    {
        static std::vector<Event> all;
        return all;
    }
    static void record(QAccessibleEvent* event)
    {
        const auto* update = event->type() == QAccessible::TextUpdated ? static_cast<QAccessibleTextUpdateEvent*>(event) : nullptr;
        events().push_back({event->type(), event->accessibleInterface(), update ? update->textInserted() : QString()});
    }
    // The events a control was the source of.
    static std::vector<Event> eventsOf(const toolkit::LightControl& control)
    {
        std::vector<Event> found;
        for (const Event& event : events())
            if (event.source == control.accessible())
                found.push_back(event);
        return found;
    }

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(AccessibilityActive, ChangedTextsAndWarningsAreAnnouncedAndNothingElse)
{
    StartedTool tool;
    Form1& form = tool.form();
    events().clear();
    dragBoat(tool, tool.state().BoatX + 300, tool.state().BoatY);
    const std::vector<Event> sail = eventsOf(form.Sail);
    ASSERT_FALSE(sail.empty()) << "the boat's readout changed silently";
    EXPECT_EQ(sail.front().type, QAccessible::TextUpdated);
    EXPECT_EQ(sail.back().type, QAccessible::NameChanged);
    EXPECT_EQ(std::count_if(sail.begin(), sail.end(), [&](const Event& e) { return e.text == form.Sail.caption(); }), 1);
    EXPECT_TRUE(eventsOf(form.Label1).empty()) << "a caption that stays is announced";
    EXPECT_TRUE(eventsOf(form.Flow).empty()) << "the current did not change";

    events().clear();
    readerOf(form.Heure(2))->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    const std::vector<Event> row = eventsOf(form.Label2(2));
    ASSERT_FALSE(row.empty());
    EXPECT_TRUE(row.front().text.startsWith(QStringLiteral(" 3: ")));
    for (const toolkit::LightControl* shown : meanControls(form))
        if (shown->readable()) {
            ASSERT_FALSE(eventsOf(*shown).empty());
            EXPECT_EQ(eventsOf(*shown).front().type, QAccessible::ObjectShow);
        }

    events().clear();
    tool.state().WindX = tool.state().BoatX;
    tool.state().WindY = tool.state().BoatY;
    form.Calcul();
    const std::vector<Event> vent = eventsOf(form.Vent);
    EXPECT_TRUE(std::any_of(vent.begin(), vent.end(), [](const Event& e) { return e.type == QAccessible::DescriptionChanged; }));
}

} // namespace
