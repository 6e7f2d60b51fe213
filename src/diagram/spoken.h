#pragma once

#include <QString>

#include <cstdint>

// The readouts as a screen reader says them: the same numbers, with the
// units that the screen shows as marks said as words.
namespace spoken {

// "7,6n  315°" becomes "7,6 nœuds, 315 degrés"; " 1: 1,2n  45°" becomes
// "1: 1,2 nœuds, 45 degrés". Spaces are kept single, none at either end.
QString inWords(const QString& readout);

// "225 degrés, angle au bateau 40 degrés": what the wind window shows.
QString windInWords(std::int16_t windDir, std::int16_t windAngleBoat);

} // namespace spoken
