// Parsing of the fault list and the silence window.
#include "FaultPlan.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(FaultPlan, ParsesEveryKindOfValue)
{
    const qlxsim::FaultPlan plan("drop=0.25,slow=2s,silent-after=3,silent-for=500ms,unsolicited=200,split,exception=3", 1);
    EXPECT_DOUBLE_EQ(plan.drop, 0.25);
    EXPECT_EQ(plan.slow, 2000ms);
    EXPECT_TRUE(plan.silentAfterSet);
    EXPECT_EQ(plan.silentAfter, 3u);
    EXPECT_EQ(plan.silentFor, 500ms);
    EXPECT_EQ(plan.unsolicited, 200ms) << "a bare number is milliseconds";
    EXPECT_TRUE(plan.split);
    EXPECT_EQ(plan.exception, 3);
    EXPECT_EQ(plan.badCrc, 0.0);
    EXPECT_FALSE(plan.refuse.has_value());
    EXPECT_EQ(qlxsim::FaultPlan("refuse=2100", 1).refuse, 2100);
    EXPECT_THROW(qlxsim::FaultPlan("refuse=65536", 1), std::invalid_argument);
    EXPECT_THROW(qlxsim::FaultPlan("refuse", 1), std::invalid_argument);
}

TEST(FaultPlan, SilenceStartsAfterNAndEndsAfterItsTime)
{
    qlxsim::FaultPlan plan("silent-after=2,silent-for=1s", 1);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_FALSE(plan.decide(1, t0).silent);
    EXPECT_FALSE(plan.decide(2, t0).silent);
    EXPECT_TRUE(plan.decide(3, t0 + 10ms).silent);
    EXPECT_TRUE(plan.decide(4, t0 + 900ms).silent);
    EXPECT_FALSE(plan.decide(5, t0 + 1010ms).silent);
}
