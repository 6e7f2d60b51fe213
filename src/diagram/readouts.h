#pragma once

#include "numbers/number_services.h"

#include <QString>

#include <cstdint>

// The texts of the readouts, built from numbers already worked out.
namespace readouts {

// "6,2": the speed of an offset in knots, to the tenth.
QString speedText(float x, float y, float twipsPerKnot, const numbers::NumberLocale& locale);
// Whether a speed text read back is above zero, that is shows at least 0.1
// knot: a current too weak for that keeps the last heading it had.
bool showsASpeed(const QString& speedText, const numbers::NumberLocale& locale);
// "6,2n  127°": a speed text, the knots mark, and the heading.
QString vectorText(const QString& speedText, std::int16_t heading);
// "Vent 225/ 40°"
QString windText(std::int16_t windDir, std::int16_t windAngleBoat);
// "Vmg 52°4,3n"
QString vmgText(std::int16_t windAngleGround, double vmg, const numbers::NumberLocale& locale);
// " 1: 1,2n  45°": the hour numbered from 1, then the current's readout.
QString hourText(std::int16_t index, const QString& segmentText);
// " 3: 1,2n 45°": how many hours, and their mean current.
QString summaryText(std::int16_t count, double meanSpeed, double meanBearing, const numbers::NumberLocale& locale);
// "COG moyen:  5,3n  123 °"
QString meanCourseText(double speed, double course, const numbers::NumberLocale& locale);

} // namespace readouts
