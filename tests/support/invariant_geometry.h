#pragma once

#include "diagram/diagram_state.h"
#include "toolkit/line.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

// The plane geometry the invariant checks judge the window by, worked in
// double precision independently of the tool's own arithmetic.
namespace plane {

// Tolerances: positions are worked in single precision; the mean spots are
// rebuilt from a speed and a bearing; readouts round to a tenth of a knot or
// to a whole degree.
constexpr double PositionSlack = 0.01;
constexpr double MeanPositionSlack = 0.05;
constexpr double TenthSlack = 0.0501;
constexpr double HalfDegreeSlack = 0.5001;
// Below this length a bearing worked in single precision wanders.
constexpr double SteadyBearingLength = 100;

struct Vec {
    double x, y;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline double length(Vec v) { return std::hypot(v.x, v.y); }
inline double apart(Vec a, Vec b) { return length({a.x - b.x, a.y - b.y}); }

// Clockwise from north in window axes (Y grows downward), 0 to 360.
inline double bearing(Vec v)
{
    const double degrees = std::atan2(v.x, -v.y) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

inline double degreesApart(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}

inline QString text(Vec v) { return QStringLiteral("(%1, %2)").arg(v.x, 0, 'g', 9).arg(v.y, 0, 'g', 9); }
inline QString quoted(const QString& caption) { return QLatin1Char('"') + caption + QLatin1Char('"'); }

template <class Spot>
Vec spotCentre(const Spot& spot)
{
    // Spots are placed by their width on both axes, their boxes being square.
    return {spot.left() + spot.width() / 2.0, spot.top() + spot.width() / 2.0};
}

inline Vec lineStart(const toolkit::Line& line) { return {line.x1(), line.y1()}; }
inline Vec lineEnd(const toolkit::Line& line) { return {line.x2(), line.y2()}; }

// The hours with a record, and the mean of their currents.
struct Records {
    int count = 0;
    Vec mean{0, 0};
};

inline Records recorded(const DiagramState& s)
{
    Records records;
    Vec sum{0, 0};
    for (std::size_t i = 0; i < s.SegCurrentX.size(); ++i) {
        if (s.SegCurrentX[i] == 0 && s.SegCurrentY[i] == 0)
            continue;
        ++records.count;
        sum = sum + Vec{s.SegCurrentX[i], s.SegCurrentY[i]};
    }
    if (records.count > 0)
        records.mean = {sum.x / records.count, sum.y / records.count};
    return records;
}

} // namespace plane
