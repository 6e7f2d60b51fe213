#include "diagram/readouts.h"

#include <QStringBuilder>

#include <array>
#include <charconv>

namespace readouts {

namespace {
const QString Degree = QStringLiteral("°");
}

// Built on every pointer move of a drag, so in one allocation.
QString vectorText(const QString& speedText, std::int16_t heading)
{
    std::array<char, 8> digits {};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), heading).ptr;
    return speedText % QLatin1String("n  ") % QLatin1String(digits.data(), end) % Degree;
}

QString windText(std::int16_t windDir, std::int16_t windAngleBoat)
{
    return QStringLiteral("Vent") + toolkit::signedText(windDir) + QLatin1Char('/') + toolkit::signedText(windAngleBoat)
        + Degree;
}

QString vmgText(std::int16_t windAngleGround, double vmg, const toolkit::NumberLocale& locale)
{
    return QStringLiteral("Vmg ") + toolkit::format(windAngleGround, "#0", locale) + Degree
        + toolkit::format(vmg, "#0.0", locale) + QLatin1Char('n');
}

QString hourText(std::int16_t index, const QString& segmentText)
{
    return toolkit::signedText(index + 1) + QStringLiteral(": ") + segmentText;
}

QString summaryText(std::int16_t count, double meanSpeed, double meanBearing, const toolkit::NumberLocale& locale)
{
    return toolkit::signedText(count) + QStringLiteral(": ") + toolkit::format(meanSpeed, "#0.0", locale)
        + QStringLiteral("n ") + toolkit::format(meanBearing, "##0", locale) + Degree;
}

QString meanCourseText(double speed, double course, const toolkit::NumberLocale& locale)
{
    return QStringLiteral("COG moyen: ") + toolkit::format(speed, " #0.0", locale) + QStringLiteral("n  ")
        + toolkit::format(course, "#0 ", locale) + Degree;
}

} // namespace readouts
