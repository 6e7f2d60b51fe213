#pragma once

#include <cstdint>

// The keyboard's exact steps on a vector. A step acts on what the vector's
// readout shows, a speed to the tenth of a knot and a heading in whole
// degrees, and gives the offset whose readout shows exactly the stepped
// values: the other value never drifts.
namespace spot_steps {

enum class Step { Faster, Slower, MuchFaster, MuchSlower, Clockwise, Anticlockwise, MuchClockwise, MuchAnticlockwise };

// What a readout shows of a vector.
struct Shown {
    int tenths;           // the speed, in tenths of a knot
    std::int16_t heading; // whole degrees, 0 to 360
    bool operator==(const Shown&) const = default;
};

// The speed of an offset in tenths of a knot, rounded as its readout is.
int shownTenths(float x, float y, float twipsPerKnot);

// The values after one step. The speed stays within 0 and the outer ring,
// as far as the pointer reaches; a turn gives 0 to 359 (360 + 1 is 1).
Shown stepped(Shown shown, Step step, std::int16_t scaleKnots);
// Whether a step turns rather than changes the speed.
bool turns(Step step);
// A heading turned by a step; a change of speed leaves it as it is.
std::int16_t turned(std::int16_t heading, Step step);

struct Offset {
    float x;
    float y;
};
// The offset from the centre whose readout shows exactly these values. At 0
// knots it is vanishingly short rather than nothing, so that the heading
// rule still finds the heading in it, as a slack hour is kept. On the outer
// ring it stays a hair inside the circle, where the pointer can still grab
// it.
Offset offsetShowing(Shown shown, float twipsPerKnot, float radius, float Pi);
// The wind point turned from the wind direction shown. Its distance, which
// carries no meaning, is kept; a point on the centre, which has none, is laid
// out at the default wind point's distance.
Offset windTurned(float x, float y, std::int16_t windDir, Step step, float Pi);

} // namespace spot_steps
