#include "diagram/bearing.h"

#include "numbers/number_services.h"

#include <cmath>

namespace {
double sgn(double value) { return value > 0 ? 1.0 : value < 0 ? -1.0 : 0.0; }
} // namespace

Bearing bearingOf(double degrees, float Pi)
{
    const double radians = Pi * degrees / 180.0;
    return {std::sin(radians), std::cos(radians)};
}

BearingEnd endOfBearing(float centreX, float centreY, Bearing bearing, double length, double scale)
{
    return {centreX + length * bearing.sine * scale, centreY - length * bearing.cosine * scale};
}

double windTagLeft(double tipX, Bearing wind, double tagWidth) { return tipX + (sgn(wind.sine) - 1) * tagWidth / 2; }

double windTagTop(double tipY, Bearing wind, double tagHeight) { return tipY - (sgn(wind.cosine) + 1) * tagHeight / 2; }

bool headToWind(std::int16_t windAngleBoat) { return windAngleBoat < 45; }

bool closeHauled(std::int16_t windAngleBoat) { return windAngleBoat < 50; }

float vmgTowardsWind(float groundSpeed, std::int16_t windAngleGround, float Pi)
{
    return numbers::toSingle(groundSpeed * bearingOf(windAngleGround, Pi).cosine);
}
