#include "diagram/vectors.h"

#include "numbers/number_services.h"

#include <cmath>

namespace {
double squared(double value) { return value * value; }
} // namespace

double speedInKnots(float x, float y, float twipsPerKnot)
{
    return numbers::divide(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y), twipsPerKnot);
}

float speedAsSingle(float x, float y, float twipsPerKnot) { return numbers::toSingle(speedInKnots(x, y, twipsPerKnot)); }

float singleSum(float a, float b) { return numbers::toSingle(static_cast<double>(a) + b); }

float meanOf(float sum, std::int16_t count) { return numbers::toSingle(sum / static_cast<double>(count)); }

bool isRecorded(float x, float y) { return static_cast<double>(x) * x + static_cast<double>(y) * y != 0; }

void markSlackHour(float& currentX, float currentY)
{
    if (currentX == 0 && currentY == 0)
        currentX = 0.01f;
}

double centredEdge(double centre, double size) { return centre - size / 2; }

double spotEdge(float centre, float offset, double width) { return centredEdge(static_cast<double>(centre) + offset, width); }

double tagEdge(double spotEdge, double tagSize) { return spotEdge - tagSize / 1.5; }

bool insideCircle(float x, float y, float radius)
{
    // Written so that a position which is no number counts as outside.
    return squared(x) + squared(y) <= squared(radius);
}

bool farFromSpot(float x, float y, float spotX, float spotY, double width)
{
    return squared(static_cast<double>(x) - spotX) + squared(static_cast<double>(y) - spotY) >= squared(width / 2);
}
