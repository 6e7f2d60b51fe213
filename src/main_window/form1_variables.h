#pragma once

#include <QString>

#include <cstdint>

// The main window's own working values, kept from one call to the next: the
// headings in particular stay as they were when a vector has no direction.
struct Form1Variables {
    QString HelpText;
    QString LabelText; // speed text of the vector being labelled
    // The heading rule's work vector, the negated offset of the vector last
    // given a heading: written, never read, kept as the rule's own record.
    float Dx = 0;
    float Dy = 0;
    std::int16_t GroundHeading = 0;
    std::int16_t CurrentHeading = 0;
    std::int16_t BoatHeading = 0;
    std::int16_t WindDir = 0;
    std::int16_t WindAngleBoat = 0;
    std::int16_t WindAngleGround = 0;
    float SumCurrentX = 0; // sum of the recorded hours, then their mean
    float SumCurrentY = 0;
    float MeanGroundX = 0; // boat plus mean current
    float MeanGroundY = 0;
};
