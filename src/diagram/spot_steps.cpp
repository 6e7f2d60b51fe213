#include "diagram/spot_steps.h"

#include "diagram/bearing.h"
#include "diagram/readouts.h"
#include "numbers/number_services.h"

#include <algorithm>
#include <cmath>

namespace spot_steps {

namespace {
// As short as the slack hour's record: no readout shows it as a speed.
constexpr double NoSpeedLength = 0.01;
// What keeps the outer ring's offset inside the circle once its ends are
// rounded to singles.
constexpr double InsideRim = 1 - 1e-6;
// The default wind point, (-10, 10), lies this far from the centre.
const double DefaultWindDistance = std::hypot(10.0, 10.0);

// What each step adds: tenths of a knot, or degrees clockwise.
struct Change {
    int tenths;
    int degrees;
};

Change changeBy(Step step)
{
    switch (step) {
    case Step::Faster: return {1, 0};
    case Step::Slower: return {-1, 0};
    case Step::MuchFaster: return {10, 0};
    case Step::MuchSlower: return {-10, 0};
    case Step::Clockwise: return {0, 1};
    case Step::Anticlockwise: return {0, -1};
    case Step::MuchClockwise: return {0, 10};
    case Step::MuchAnticlockwise: return {0, -10};
    }
    return {0, 0};
}

Offset alongHeading(double length, std::int16_t heading, float Pi)
{
    const Bearing bearing = bearingOf(heading, Pi);
    return {numbers::toSingle(length * bearing.sine), numbers::toSingle(-length * bearing.cosine)};
}
} // namespace

int shownTenths(float x, float y, float twipsPerKnot)
{
    // The readout's own text, read back: the same rounding, whatever the locale.
    const numbers::NumberLocale point{QStringLiteral(".")};
    const double knots = numbers::parseNumber(readouts::speedText(x, y, twipsPerKnot, point), point);
    return static_cast<int>(std::lround(knots * 10));
}

bool turns(Step step) { return changeBy(step).degrees != 0; }

std::int16_t turned(std::int16_t heading, Step step)
{
    const int degrees = changeBy(step).degrees;
    if (degrees == 0)
        return heading;
    return static_cast<std::int16_t>(((heading + degrees) % 360 + 360) % 360);
}

Shown stepped(Shown shown, Step step, std::int16_t scaleKnots)
{
    return {std::clamp(shown.tenths + changeBy(step).tenths, 0, scaleKnots * 10), turned(shown.heading, step)};
}

Offset offsetShowing(Shown shown, float twipsPerKnot, float radius, float Pi)
{
    const double length = shown.tenths == 0 ? NoSpeedLength
                                            : std::min(shown.tenths * static_cast<double>(twipsPerKnot) / 10,
                                                       radius * InsideRim);
    return alongHeading(length, shown.heading, Pi);
}

Offset windTurned(float x, float y, std::int16_t windDir, Step step, float Pi)
{
    const double distance = std::hypot(static_cast<double>(x), static_cast<double>(y));
    return alongHeading(distance > 0 ? distance : DefaultWindDistance, turned(windDir, step), Pi);
}

} // namespace spot_steps
