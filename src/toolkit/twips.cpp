#include "toolkit/twips.h"

#include "numbers/runtime_error.h"

namespace toolkit {

float checkedTwips(float twips)
{
    if (!std::isfinite(twips))
        throw numbers::RuntimeError(numbers::ErrorKind::InvalidPropertyValue, "Invalid property value");
    if (std::fabs(toPixels(twips)) > MaxPixels)
        throw numbers::RuntimeError(numbers::ErrorKind::Overflow, "Overflow");
    return twips;
}

} // namespace toolkit
