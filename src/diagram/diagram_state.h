#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The diagram's shared values: scale, geometry, the vectors the user sets,
// what the recompute derives from them, and the hour-segment records.
// Lengths are twips; vectors are offsets from the diagram centre in window
// axes (X right, Y down, so north is a negative Y). Single-precision floats
// and 16-bit integers are the types the arithmetic is defined on.
struct DiagramState {
    std::int16_t ScaleKnots = 0; // 0 until a scale is first chosen
    float TwipsPerKnot = 0;
    float Radius = 0;
    float CenterX = 0;
    float CenterY = 0;
    float Pi = 0;
    bool SpotHit = false;
    float Vmg = 0;
    float BoatX = 0;
    float BoatY = 0;
    float CurrentX = 0;
    float CurrentY = 0;
    float GroundX = 0;
    float GroundY = 0;
    float WindX = 0; // only the bearing of the wind point matters
    float WindY = 0;
    std::vector<float> SegCurrentX; // (0, 0) marks an hour with no record
    std::vector<float> SegCurrentY;
    float MeanCurrentSpeed = 0;
    float MeanGroundSpeed = 0;
    float MeanCog = 0;
    float MeanCurrentDir = 0;
    QString SegmentText;
    std::int16_t LastSegment = 0;
    std::int16_t SegmentCount = 0;
};
