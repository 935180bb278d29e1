#include "link/AsyncFrame.h"

#include <gtest/gtest.h>

using asyncframe::Pair;
using Bytes = std::vector<std::uint8_t>;

TEST(AsyncFrame, ReadRequestIsTheGoldenEighteenBytes)
{
    const std::vector<std::uint16_t> registers{1, 2, 3};
    const Bytes expected{0x5D, 0x73, 0x91, 0xAD, 0x0C, 0x00, 0x01, 0x00, 0x07,
                         0x00, 0x03, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00};
    EXPECT_EQ(asyncframe::buildRead(7, registers), expected);
}

TEST(AsyncFrame, WriteRequestCarriesLittleEndianPairs)
{
    const std::vector<Pair> pairs{{0x80C9, 0x1234}, {3000, 100}};
    const Bytes expected{0x5D, 0x73, 0x91, 0xAD, 0x0E, 0x00, 0x0A, 0x00, 0xFF, 0xFF, 0x02, 0x00,
                         0xC9, 0x80, 0x34, 0x12, 0xB8, 0x0B, 0x64, 0x00};
    EXPECT_EQ(asyncframe::buildWrite(0xFFFF, pairs), expected);
}

TEST(AsyncFrame, LargestRequestsFillTheSendFrame)
{
    const std::vector<std::uint16_t> registers(asyncframe::kMaxReadRegisters, 5);
    const std::vector<Pair> pairs(asyncframe::kMaxWritePairs, Pair{5, 6});
    EXPECT_EQ(asyncframe::kMaxReadRegisters, 498u); // what one reply can carry
    EXPECT_EQ(asyncframe::kMaxWritePairs, 497u);
    EXPECT_LE(asyncframe::buildRead(0, registers).size(), asyncframe::kMaxFrame);
    EXPECT_LE(asyncframe::buildWrite(0, pairs).size(), asyncframe::kMaxFrame);
}

TEST(AsyncFrame, PayloadFieldsAndWriteStatus)
{
    const Bytes payload{0x0A, 0x00, 0x34, 0x12, 0x05, 0x00};
    EXPECT_EQ(asyncframe::payloadCommand(payload), 10);
    EXPECT_EQ(asyncframe::payloadSequence(payload), 0x1234);
    EXPECT_EQ(asyncframe::writeStatus(payload), std::optional<std::uint16_t>(5));
    EXPECT_EQ(asyncframe::writeStatus(Bytes{0x0A, 0x00, 0x34, 0x12, 0x00}), std::nullopt);
}

TEST(AsyncFrame, RegisterDataPairsNeverExceedTheBytesCarried)
{
    struct Case {
        const char* name;
        Bytes payload;
        std::vector<Pair> expected;
    };
    const std::vector<Case> cases{
        {"count as carried", {2, 0, 9, 0, 2, 0, 1, 0, 10, 0, 2, 0, 20, 0}, {{1, 10}, {2, 20}}},
        {"count below carried", {2, 0, 9, 0, 1, 0, 1, 0, 10, 0, 2, 0, 20, 0}, {{1, 10}}},
        {"count beyond carried", {2, 0, 9, 0, 0xFF, 0xFF, 1, 0, 10, 0, 2, 0, 20, 0}, {{1, 10}, {2, 20}}},
        {"half a pair", {2, 0, 9, 0, 2, 0, 1, 0, 10, 0, 2, 0}, {{1, 10}}},
        {"no pairs", {2, 0, 9, 0, 3, 0}, {}},
        {"too short", {2, 0, 9, 0}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(asyncframe::registerDataPairs(c.payload), c.expected) << c.name;
}
