// Long random sequences of everything a user can do, delivered through Qt to
// the real window, with every invariant checked after every event.
//
// LOXANE_RANDOM_SEED replays a sequence (a failure prints its seed);
// LOXANE_RANDOM_EVENTS sets how many events each locale gets.
#include "support/diagram_events.h"
#include "support/help_windows.h"
#include "support/invariant_checker.h"
#include "support/started_tool.h"
#include "support/test_locales.h"
#include "toolkit/twips.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <numbers>
#include <random>
#include <string>

namespace {

constexpr long DefaultEventCount = 100000;
// Painting now and then lets what the events left on the window reach the
// screen, without paying for a frame per event.
constexpr long EventsPerFrame = 64;
constexpr std::size_t EventsShownOnFailure = 12;

std::uint64_t seedToUse()
{
    if (const char* given = std::getenv("LOXANE_RANDOM_SEED"))
        return std::stoull(given);
    return std::random_device{}() * 0x100000000ull + std::random_device{}();
}

long eventCount()
{
    const char* given = std::getenv("LOXANE_RANDOM_EVENTS");
    return given ? std::stol(given) : DefaultEventCount;
}

// Picks events the way they are most likely to break something: pointer
// moves at the rims of the spots and of the circle, at the centre, in small
// drag steps, anywhere on and far beyond the window, with every mask of
// buttons; now and then a click on an hour, an erase or a scale button, and
// the help window opened, moved over and closed.
class EventSource {
public:
    EventSource(std::uint64_t seed, const Form1& form, const DiagramState& state)
        : random_(seed), form_(form), s_(state), last_(state.CenterX, state.CenterY)
    {
    }

    DiagramEvent next()
    {
        const double roll = uniform(0, 100);
        if (roll < 0.1)
            return ScaleClick{index(4)};
        if (roll < 3.1)
            return HourClick{index(24)};
        if (roll < 6.1)
            return EraseClick{index(24)};
        if (roll < 6.4)
            return HelpClick{};
        if (roll < 6.7)
            return HelpClose{};
        return move();
    }

private:
    double uniform(double from, double to) { return std::uniform_real_distribution<double>(from, to)(random_); }
    int index(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(double percent) { return uniform(0, 100) < percent; }

    // A point at a distance from a centre, in any direction, in twips.
    QPointF around(double x, double y, double distance)
    {
        const double angle = uniform(0, 2 * std::numbers::pi);
        return {x + distance * std::cos(angle), y + distance * std::sin(angle)};
    }

    // Just inside or just outside a rim: mostly by a hair, sometimes by more.
    double nearRim(double radius) { return radius + (chance(50) ? uniform(-0.5, 0.5) : uniform(-40, 40)); }

    QPointF twipsTarget()
    {
        const double cx = s_.CenterX, cy = s_.CenterY;
        const double halfSpot = form_.Vb.width() / 2.0;
        const double roll = uniform(0, 100);
        if (roll < 20)
            return around(cx + s_.BoatX, cy + s_.BoatY, nearRim(halfSpot));
        if (roll < 37)
            return around(cx + s_.CurrentX, cy + s_.CurrentY, nearRim(halfSpot));
        // The ground spot cannot be dragged: a drag starting there sets the wind.
        if (roll < 40)
            return around(cx + s_.GroundX, cy + s_.GroundY, nearRim(halfSpot));
        if (roll < 50)
            return around(cx, cy, nearRim(s_.Radius));
        if (roll < 58)
            return chance(10) ? QPointF(cx, cy) : around(cx, cy, uniform(0, 3));
        if (roll < 75)
            return around(last_.x(), last_.y(), uniform(0, 150));
        if (roll < 90)
            return {uniform(0, toolkit::toTwips(form_.width())), uniform(0, toolkit::toTwips(form_.height()))};
        if (roll < 98)
            return {uniform(-20000, 27000), uniform(-20000, 27000)};
        return {uniform(-1.5e6, 1.5e6), uniform(-1.5e6, 1.5e6)};
    }

    PointerMove move()
    {
        // The help window, when open, gets moves of its own.
        const bool overHelp = form_.helpWindow() && chance(10);
        if (!overHelp)
            last_ = twipsTarget();
        QPointF pixel = overHelp ? QPointF(uniform(-100, 1000), uniform(-100, 700)) : last_ / toolkit::TwipsPerPixel;
        // A mouse gives whole pixels; touch, tablets and scaled screens do not.
        if (chance(50))
            pixel = QPointF(std::round(pixel.x()), std::round(pixel.y()));
        Qt::MouseButtons buttons = Qt::LeftButton;
        if (chance(45)) {
            const int mask = index(32);
            buttons = {};
            for (const auto& [bit, button] : {std::pair{1, Qt::LeftButton}, std::pair{2, Qt::RightButton},
                                             std::pair{4, Qt::MiddleButton}, std::pair{8, Qt::BackButton},
                                             std::pair{16, Qt::ForwardButton}})
                if (mask & bit)
                    buttons |= button;
        }
        Qt::KeyboardModifiers modifiers;
        if (chance(20))
            modifiers = Qt::KeyboardModifiers::fromInt(index(16) << 25); // shift, control, alt, meta
        return {pixel, buttons, modifiers, overHelp, buttons != Qt::NoButton && chance(50)};
    }

    std::mt19937_64 random_;
    const Form1& form_;
    const DiagramState& s_;
    QPointF last_; // in twips
};

// Runs a sequence and stops at the first event that breaks an invariant,
// saying how to replay it.
void runSequence(std::uint64_t seed, long count, const QLocale& locale)
{
    HelpWindowsRemoved cleanUp;
    StartedTool tool(locale);
    Form1& form = tool.form();
    InvariantChecker checker(form, tool.state());
    EventSource source(seed, form, tool.state());
    std::deque<QString> recent;

    for (long n = 0; n < count; ++n) {
        const DiagramEvent event = source.next();
        recent.push_back(describe(event));
        if (recent.size() > EventsShownOnFailure)
            recent.pop_front();
        checker.beforeEvent();
        deliver(form, event);
        if (n % EventsPerFrame == 0)
            QCoreApplication::processEvents();
        const QStringList broken = checker.brokenAfter(event);
        if (!broken.isEmpty()) {
            QStringList history(recent.begin(), recent.end());
            FAIL() << "event " << n << " of seed " << seed << " broke:\n  " << broken.join(QStringLiteral("\n  ")).toStdString()
                   << "\nthe last events, the breaking one last:\n  " << history.join(QStringLiteral("\n  ")).toStdString()
                   << "\nreplay: LOXANE_RANDOM_SEED=" << seed << " LOXANE_RANDOM_EVENTS=" << n + 1;
        }
    }
    QCoreApplication::processEvents();
}

class RandomEvents : public testing::TestWithParam<TestLocale> {};

} // namespace

TEST_P(RandomEvents, KeepEveryInvariant)
{
    const std::uint64_t seed = seedToUse();
    SCOPED_TRACE("seed " + std::to_string(seed));
    runSequence(seed, eventCount(), GetParam().locale);
}

INSTANTIATE_TEST_SUITE_P(Locales, RandomEvents, testLocales(), testLocaleName);
