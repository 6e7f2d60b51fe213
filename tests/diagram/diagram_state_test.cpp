// The types the arithmetic is defined on, checked as the core's tests are
// compiled: 16-bit integers that overflow where the tool's do, and singles
// where it rounds to single precision.
#include "diagram/diagram_state.h"

#include <cstdint>
#include <type_traits>

static_assert(std::is_same_v<decltype(DiagramState::ScaleKnots), std::int16_t>);
static_assert(std::is_same_v<decltype(DiagramState::LastSegment), std::int16_t>);
static_assert(std::is_same_v<decltype(DiagramState::SegmentCount), std::int16_t>);
static_assert(std::is_same_v<decltype(DiagramState::Radius), float>);
static_assert(std::is_same_v<decltype(DiagramState::TwipsPerKnot), float>);
static_assert(std::is_same_v<decltype(DiagramState::Pi), float>);
static_assert(std::is_same_v<decltype(DiagramState::MeanCog), float>);
static_assert(std::is_same_v<decltype(DiagramState::SegCurrentX)::value_type, float>);
