#pragma once

#include "toolkit/number_services.h"

#include <cmath>

// Knots of an offset in twips, in double precision.
inline double speedInKnots(float x, float y, float twipsPerKnot)
{
    return toolkit::divide(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y), twipsPerKnot);
}
