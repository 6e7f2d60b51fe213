#pragma once

#include <QRegularExpression>
#include <QString>

#include <optional>

// The captions of the readouts read back in a locale's decimal separator: a
// caption that does not follow its grammar reads as nothing.
struct VectorReadout {
    double speed;
    int heading;
};
struct WindReadout {
    int direction;
    int angle;
};
struct VmgReadout {
    int angle;
    double vmg;
};
struct HourReadout {
    int number;
    VectorReadout current;
};
struct SummaryReadout {
    int count;
    double speed;
    int bearing;
};

class CaptionGrammar {
public:
    explicit CaptionGrammar(const QString& decimalSeparator);

    std::optional<VectorReadout> vector(const QString& caption) const;     // "6,2n  127°"
    std::optional<WindReadout> wind(const QString& caption) const;         // "Vent 225/ 40°"
    std::optional<VmgReadout> vmg(const QString& caption) const;           // "Vmg 52°-4,3n"
    std::optional<HourReadout> hour(const QString& caption) const;         // " 1: 1,2n  45°"
    std::optional<SummaryReadout> summary(const QString& caption) const;   // " 3: 1,2n 45°"
    std::optional<VectorReadout> meanCourse(const QString& caption) const; // "COG moyen:  5,3n  123 °"

private:
    QRegularExpression vector_, wind_, vmg_, hour_, summary_, meanCourse_;
};
