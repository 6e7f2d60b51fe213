#include "diagram/heading.h"

#include "numbers/number_services.h"

#include <cmath>
#include <cstdlib>

namespace {

template <class Heading, class FromAngle>
void headingRule(float x, float y, Heading& heading, float& Dx, float& Dy, float Pi, FromAngle fromAngle)
{
    Dx = -x;
    Dy = -y;
    if (Dy != 0) {
        const double A = -std::atan(static_cast<double>(Dx) / Dy) * 180.0 / static_cast<double>(Pi);
        if (Dy < 0)
            heading = fromAngle(A, 180);
        else if (Dx > 0)
            heading = fromAngle(A, 360);
        else
            heading = fromAngle(A, 0);
    } else if (Dx > 0) {
        heading = 270;
    } else if (Dx < 0) {
        heading = 90;
    }
}

} // namespace

void HeadingFromOffset(float x, float y, std::int16_t& heading, float& Dx, float& Dy, float Pi)
{
    headingRule(x, y, heading, Dx, Dy, Pi,
                [](double A, int turn) { return numbers::checkedInt16(numbers::toInt16(A) + turn); });
}

void HeadingFromOffset(float x, float y, float& heading, float& Dx, float& Dy, float Pi)
{
    headingRule(x, y, heading, Dx, Dy, Pi, [](double A, int turn) { return numbers::toSingle(A + turn); });
}

std::int16_t angleBetween(std::int16_t bearing, std::int16_t other)
{
    const int difference = std::abs(bearing - other);
    return numbers::checkedInt16(difference > 180 ? 360 - difference : difference);
}
