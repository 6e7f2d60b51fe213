#pragma once

#include <cstdint>

// A bearing in degrees clockwise from north, turned into the sine and cosine
// that carry a length along it, with the stored single-precision Pi.
struct Bearing {
    double sine;
    double cosine;
};
Bearing bearingOf(double degrees, float Pi);

// The point at the end of a length laid from the centre along a bearing (up
// is north): the wind line's tip, length the radius, and the mean current's,
// a speed in knots times twips per knot.
struct BearingEnd {
    double x;
    double y;
};
BearingEnd endOfBearing(float centreX, float centreY, Bearing bearing, double length, double scale = 1);

// The wind tag stands beside the tip of the wind line, on the side away from
// the centre; with a sine or cosine of exactly 0 it is centred on the tip.
double windTagLeft(double tipX, Bearing wind, double tagWidth);
double windTagTop(double tipY, Bearing wind, double tagHeight);

// Under 45 degrees the wind window turns red; under 50 the boat is
// close-hauled and the VMG is worth showing.
bool headToWind(std::int16_t windAngleBoat);
bool closeHauled(std::int16_t windAngleBoat);

// The ground speed projected on the wind direction, stored as a single; it is
// negative when the ground track is more than 90 degrees off the wind.
float vmgTowardsWind(float groundSpeed, std::int16_t windAngleGround, float Pi);
