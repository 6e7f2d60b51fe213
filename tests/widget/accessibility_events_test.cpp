// What a screen reader hears as the tool changes. Announcements go out only
// while one listens, which Qt knows only through the AT-SPI bridge of a real
// display: these run in accessibility.active (see tests/CMakeLists.txt).
#include "support/hour_records.h"
#include "support/reader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScopeGuard>

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

std::vector<QAccessible::Event> typesFrom(const toolkit::WindowlessControl& control, const QString& text = {})
{
    std::vector<QAccessible::Event> types;
    for (const Announced& event : announced)
        if (event.source == control.accessible() && (text.isNull() || event.text == text))
            types.push_back(event.type);
    return types;
}

// Whether Qt found the accessibility bus, which takes it a moment.
testing::AssertionResult screenReaderListening()
{
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (QAccessible::isActive())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no accessibility bus answered on " << QGuiApplication::platformName().toStdString();
}

TEST(AccessibilityActive, ChangedTextsShownControlsAndWarningsAreAnnouncedAndNothingElse)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "Qt has no accessibility on the offscreen platform";
    ASSERT_TRUE(screenReaderListening());
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

// What the announcements said, as a screen reader hears each.
std::vector<QString> notified;
std::vector<QAccessible::Event> scaleEvents;
Form1* watched = nullptr;

void recordSpoken(QAccessibleEvent* event)
{
    QAccessibleInterface* source = event->accessibleInterface();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        notified.push_back(static_cast<QAccessibleAnnouncementEvent*>(event)->message());
#else
    if (event->type() == QAccessible::ObjectShow && source && source->role() == QAccessible::Notification)
        notified.push_back(source->text(QAccessible::Name));
#endif
    for (int i = 0; watched && i < watched->Cinq.size(); ++i)
        if (source == readerOf(watched->Cinq(i)))
            scaleEvents.push_back(event->type());
}

TEST(AccessibilityActive, EachKeyAndClickSaysOnceWhatItChangedInWords)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "Qt has no accessibility on the offscreen platform";
    ASSERT_TRUE(screenReaderListening());
    StartedTool tool;
    Form1& form = tool.form();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&recordSpoken);
    watched = &form;
    const auto restore = qScopeGuard([&] {
        watched = nullptr;
        QAccessible::installUpdateHandler(previous);
    });
    const auto said = [&] {
        std::vector<QString> all;
        std::swap(all, notified);
        return all;
    };

    form.focusControl(&form.Vb, Qt::TabFocusReason);
    EXPECT_EQ(form.Vb.accessible()->text(QAccessible::Description), QString::fromUtf8("7,1 nœuds, 315 degrés"));
    said();
    for (int i = 0; i < 10; ++i) // as a key held down repeats
        QTest::keyClick(&form, Qt::Key_Up);
    const std::vector<QString> steps = said();
    ASSERT_EQ(steps.size(), 10u) << "one announcement a step";
    EXPECT_EQ(steps.back(), QString::fromUtf8("bateau, 8,1 nœuds, 315 degrés. route fond, ")
                                + QString(form.COG.caption()).replace(QStringLiteral("n  "), QStringLiteral(" nœuds, "))
                                      .replace(QChar(0x00B0), QStringLiteral(" degrés")));

    tool.state().WindX = tool.state().BoatX; // head to wind: the warning and the VMG are said too
    tool.state().WindY = tool.state().BoatY;
    form.Calcul();
    form.focusControl(&form.Lv1, Qt::TabFocusReason);
    QTest::keyClick(&form, Qt::Key_Right);
    const std::vector<QString> wind = said();
    ASSERT_EQ(wind.size(), 1u);
    EXPECT_TRUE(wind.front().startsWith(QStringLiteral("vent, 316 degrés, angle au bateau 1 degrés, angle du vent au bateau "
                                                       "inférieur à 45°, Vmg ")))
        << wind.front().toStdString();

    form.Heure(2).click();
    EXPECT_EQ(said(), std::vector{QStringLiteral("heure 3 enregistrée, ") + form.Vc.accessible()->text(QAccessible::Description)});
    form.Raz(2).click();
    EXPECT_EQ(said(), std::vector{QStringLiteral("heure 3 effacée")});
    scaleEvents.clear();
    form.Cinq(2).click();
    EXPECT_EQ(said(), std::vector{QString::fromUtf8("échelle 15 nœuds choisie")});
    EXPECT_EQ(std::ranges::count(scaleEvents, QAccessible::DescriptionChanged), 0)
        << "a screen reader refuses the object Qt sends in place of the text";
    EXPECT_EQ(readerOf(form.Cinq(2))->text(QAccessible::Description), QString::fromUtf8("échelle choisie"));
}

} // namespace
