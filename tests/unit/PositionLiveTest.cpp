// The QLX700-C's indicated position in its five styles and its failure bits.
#include "screens/position/PositionLive.h"

#include <gtest/gtest.h>

TEST(PositionLive, IndicationStyles)
{
    const struct {
        int style, position, neutral;
        std::optional<std::string> shown;
    } cases[] = {
        {0, 5, 9, "5"},  {0, 0, 9, "0"},   {1, 5, 9, "-4"},  {1, 12, 9, "3"}, {2, 5, 9, "4"},
        {2, 12, 9, "-3"}, {3, 5, 9, "4L"}, {3, 12, 9, "3R"}, {3, 9, 9, "N"},  {4, 5, 9, "4R"},
        {4, 12, 9, "3L"}, {4, 9, 9, "N"},  {5, 5, 9, std::nullopt},         {-1, 5, 9, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(indicatedPosition(c.style, c.position, c.neutral), c.shown) << c.style << " " << c.position;
}

TEST(PositionLive, TheHighestOfTheFourFailureBitsWins)
{
    const std::pair<int, int> cases[] = {{0, -1}, {1, 0}, {5, 2}, {0x0F, 3}, {0x10, -1}, {0xFFF2, 1}};
    for (const auto& [bits, bit] : cases)
        EXPECT_EQ(highestFailureBit(bits), bit) << bits;
}
