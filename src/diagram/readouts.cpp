#include "diagram/readouts.h"

#include "diagram/vectors.h"

#include <array>
#include <charconv>
#include <string_view>

namespace readouts {

namespace {
// Every readout is built in one string reserved at this size, so building
// it takes one allocation.
constexpr qsizetype Room = 48;

QString reserved()
{
    QString text;
    text.reserve(Room);
    return text;
}

void appendDegrees(QString& text) { text.append(QChar(0x00B0)); }

struct Formatted {
    double value;
    std::string_view pattern;
};

// A speed, the knots mark and a gap, then a bearing and the degree sign.
void appendSpeedAndBearing(QString& text, Formatted speed, QLatin1StringView knotsAndGap, Formatted bearing,
                           const numbers::NumberLocale& locale)
{
    numbers::appendFormatted(text, speed.value, speed.pattern, locale);
    text.append(knotsAndGap);
    numbers::appendFormatted(text, bearing.value, bearing.pattern, locale);
    appendDegrees(text);
}

void appendNumber(QString& text, int value)
{
    std::array<char, 16> digits {};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    text.append(QLatin1StringView(digits.data(), written.ptr - digits.data()));
}
} // namespace

QString speedText(float x, float y, float twipsPerKnot, const numbers::NumberLocale& locale)
{
    return numbers::format(speedInKnots(x, y, twipsPerKnot), "#0.0", locale);
}

bool showsASpeed(const QString& speedText, const numbers::NumberLocale& locale)
{
    return numbers::parseNumber(speedText, locale) > 0;
}

QString vectorText(const QString& speedText, std::int16_t heading)
{
    QString text = reserved();
    text.append(speedText).append(QLatin1StringView("n  "));
    appendNumber(text, heading);
    appendDegrees(text);
    return text;
}

QString windText(std::int16_t windDir, std::int16_t windAngleBoat)
{
    QString text = reserved();
    text.append(QLatin1StringView("Vent"));
    numbers::appendSignedText(text, windDir);
    text.append(QLatin1Char('/'));
    numbers::appendSignedText(text, windAngleBoat);
    appendDegrees(text);
    return text;
}

QString vmgText(std::int16_t windAngleGround, double vmg, const numbers::NumberLocale& locale)
{
    QString text = reserved();
    text.append(QLatin1StringView("Vmg "));
    numbers::appendFormatted(text, windAngleGround, "#0", locale);
    appendDegrees(text);
    numbers::appendFormatted(text, vmg, "#0.0", locale);
    text.append(QLatin1Char('n'));
    return text;
}

QString hourText(std::int16_t index, const QString& segmentText)
{
    QString text = reserved();
    numbers::appendSignedText(text, index + 1);
    text.append(QLatin1StringView(": ")).append(segmentText);
    return text;
}

QString summaryText(std::int16_t count, double meanSpeed, double meanBearing, const numbers::NumberLocale& locale)
{
    QString text = reserved();
    numbers::appendSignedText(text, count);
    text.append(QLatin1StringView(": "));
    appendSpeedAndBearing(text, {meanSpeed, "#0.0"}, QLatin1StringView("n "), {meanBearing, "##0"}, locale);
    return text;
}

QString meanCourseText(double speed, double course, const numbers::NumberLocale& locale)
{
    QString text = reserved();
    text.append(QLatin1StringView("COG moyen: "));
    appendSpeedAndBearing(text, {speed, " #0.0"}, QLatin1StringView("n  "), {course, "#0 "}, locale);
    return text;
}

} // namespace readouts
