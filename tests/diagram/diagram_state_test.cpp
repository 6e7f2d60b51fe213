// The shared record before any start-up: nothing chosen, nothing allocated,
// and the types the arithmetic is defined on.
#include "diagram/diagram_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>

namespace {

TEST(DiagramStateBeforeMain, NoScaleIsChosenAndNothingIsAllocated)
{
    const DiagramState s;
    EXPECT_EQ(s.ScaleKnots, 0); // what tells Main it is the first run
    EXPECT_EQ(s.LastSegment, 0);
    EXPECT_EQ(s.Radius, 0.0f);
    EXPECT_EQ(s.TwipsPerKnot, 0.0f);
    EXPECT_EQ(s.Pi, 0.0f);
    EXPECT_TRUE(s.SegCurrentX.empty());
    EXPECT_TRUE(s.SegCurrentY.empty());
    EXPECT_FALSE(s.SpotHit);
    EXPECT_TRUE(s.SegmentText.isEmpty());
}

TEST(DiagramStateBeforeMain, SinglesAndSixteenBitIntegersWhereTheArithmeticNeedsThem)
{
    static_assert(std::is_same_v<decltype(DiagramState::ScaleKnots), std::int16_t>);
    static_assert(std::is_same_v<decltype(DiagramState::LastSegment), std::int16_t>);
    static_assert(std::is_same_v<decltype(DiagramState::SegmentCount), std::int16_t>);
    static_assert(std::is_same_v<decltype(DiagramState::Radius), float>);
    static_assert(std::is_same_v<decltype(DiagramState::TwipsPerKnot), float>);
    static_assert(std::is_same_v<decltype(DiagramState::Pi), float>);
    static_assert(std::is_same_v<decltype(DiagramState::MeanCog), float>);
    static_assert(std::is_same_v<decltype(DiagramState::SegCurrentX)::value_type, float>);
    SUCCEED();
}

} // namespace
