#include "settings/RegisterRounding.h"

#include <gtest/gtest.h>

#include <cmath>

// What the user typed decides a half, not its binary form: 0.545 A in hundredths is
// 54.50000000000001 in a double, and still a half that goes to 54.
TEST(RegisterRounding, TypedHalvesGoToTheEvenNeighbour)
{
    struct Case {
        const char* typed;
        double scale;
        int expected;
    };
    const Case cases[] = {
        {"0,25", 10, 2},    {"1.25", 10, 12},   {"0.35", 10, 4},   {"3.25", 10, 32},   {"0.545", 100, 54},
        {"0.275", 100, 28}, {"0.145", 100, 14}, {"0.5005", 1000, 500}, {"2.5", 1, 2}, {"3.5", 1, 4},
        {"-2.5", 1, -2},    {"-3.5", 1, -4},    {"0.26", 10, 3},   {"0.24", 10, 2},    {"12.34", 10, 123},
    };
    for (const Case& c : cases) {
        const std::optional<int> v = scaledRegisterValue(c.typed, -1000, 1000, c.scale);
        ASSERT_TRUE(v.has_value()) << c.typed;
        EXPECT_EQ(*v, c.expected) << c.typed << " x " << c.scale;
    }
}

TEST(RegisterRounding, OnlyNumbersWithinTheBoundsAreAccepted)
{
    EXPECT_EQ(scaledRegisterValue("25.5", 0.1, 25.5, 10), 255);
    EXPECT_EQ(scaledRegisterValue("0.1", 0.1, 25.5, 10), 1);
    for (const char* refused : {"25.51", "0.09", "abc", "", "nan", "1e400"})
        EXPECT_FALSE(scaledRegisterValue(refused, 0.1, 25.5, 10).has_value()) << refused;
    // A value far from a half rounds to the nearest integer, whatever its sign.
    EXPECT_EQ(roundHalfEven(54.4999), 54.0);
    EXPECT_EQ(roundHalfEven(-7.6), -8.0);
    EXPECT_TRUE(std::isinf(roundHalfEven(INFINITY)));
}
