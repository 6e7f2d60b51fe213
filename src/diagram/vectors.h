#pragma once

#include <cstdint>

// The arithmetic of the diagram's vectors, as the recompute and the pointer
// handler do it: offsets and lengths in twips, kept as singles, worked out in
// double precision. Each function that stores a single raises the run-time
// error of the number services where the store fails.

// Knots of an offset in twips, in double precision.
double speedInKnots(float x, float y, float twipsPerKnot);
// The same, stored as a single.
float speedAsSingle(float x, float y, float twipsPerKnot);

// One coordinate of a sum of two vectors (boat plus current, centre plus
// offset), stored as a single.
float singleSum(float a, float b);

// A sum of hour records divided by how many there are.
float meanOf(float sum, std::int16_t count);

// (0, 0) marks an hour with nothing recorded.
bool isRecorded(float x, float y);
// A slack hour still counts in the mean: it is kept as a vanishingly small
// current rather than as "nothing recorded".
void markSlackHour(float& currentX, float currentY);

// The left (or top) edge of a box of the given size centred on a point; a
// spot's box is square, so its width serves for both edges.
double centredEdge(double centre, double size);
// The same for a spot on the end of an offset from the diagram centre.
double spotEdge(float centre, float offset, double width);
// A tag sits above and to the left of its spot, overlapping it by a third of
// its own size.
double tagEdge(double spotEdge, double tagSize);

// Whether an offset from the centre lies in the diagram circle; one on the
// circle counts as inside, one that is no number does not.
bool insideCircle(float x, float y, float radius);
// Whether the pointer at (x, y) misses a spot of this width centred on
// (spotX, spotY): exactly half a width away is a miss.
bool farFromSpot(float x, float y, float spotX, float spotY, double width);
