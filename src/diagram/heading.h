#pragma once

#include <cstdint>

// The one bearing rule of the diagram: degrees clockwise from north (up) of
// an offset (x, y) in window axes (y grows downward). Dx and Dy receive the
// negated offset. A vector of no length leaves the heading as it was.
//
// The whole-degree form rounds half to even before adding 180 or 360, so a
// vector just west of north reads 360 and one just east of it reads 0. The
// single-precision form keeps the fraction, for the means.
void HeadingFromOffset(float x, float y, std::int16_t& heading, float& Dx, float& Dy, float Pi);
void HeadingFromOffset(float x, float y, float& heading, float& Dx, float& Dy, float Pi);

// The angle between two bearings, folded into 0 to 180 whichever side of
// north either lies on.
std::int16_t angleBetween(std::int16_t bearing, std::int16_t other);
