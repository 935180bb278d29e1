#include "link/RtuFrame.h"
#include "support/PtyPeer.h"

#include <gtest/gtest.h>

#include <array>

TEST(RtuFrame, BuildsReferenceRequests)
{
    std::array<std::uint8_t, rtu::kBufferSize> out{};
    const auto bytes = [&](std::size_t n) { return Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n)); };

    EXPECT_EQ(bytes(rtu::buildRead(out.data(), 1, 201, 3)), (Bytes{0x01, 0x03, 0x00, 0xC9, 0x00, 0x03, 0xD5, 0xF5}));
    EXPECT_EQ(bytes(rtu::buildRead(out.data(), 1, 0x8001, 3)), (Bytes{0x01, 0x03, 0x80, 0x01, 0x00, 0x03, 0x7D, 0xCB}));
    EXPECT_EQ(bytes(rtu::buildWriteSingle(out.data(), 1, 3000, 100)), (Bytes{0x01, 0x06, 0x0B, 0xB8, 0x00, 0x64, 0x0A, 0x20}));

    const std::uint16_t values[] = {0x0102, 0x0304};
    EXPECT_EQ(bytes(rtu::buildWriteMultiple(out.data(), 1, 1600, values)),
              withCrc({0x01, 0x10, 0x06, 0x40, 0x00, 0x02, 0x04, 0x01, 0x02, 0x03, 0x04}));
}

TEST(RtuFrame, AcceptsOnlyConsistentReadReplies)
{
    struct Case {
        const char* what;
        Bytes reply;
        int asked;
        int expected;
    };
    Bytes truncated = readReply(1, {1, 2, 3});
    truncated.erase(truncated.begin() + 5);
    Bytes badCrc = readReply(1, {1, 2, 3});
    badCrc.back() ^= 0xFF;
    const Case cases[] = {
        {"full reply", readReply(1, {1, 2, 3}), 3, 3},
        {"fewer registers, consistent", readReply(1, {1, 2}), 3, 2},
        {"more registers than asked", readReply(1, {1, 2, 3, 4}), 3, -1},
        {"odd byte count", withCrc({1, 3, 3, 0, 1, 0}), 3, -1},
        {"byte count beyond the bytes", withCrc({1, 3, 6, 0, 1, 0, 2}), 3, -1},
        {"bytes missing in the middle", truncated, 3, -1},
        {"bad CRC", badCrc, 3, -1},
        {"exception", Bytes{0x01, 0x83, 0x02, 0xC0, 0xF1}, 3, -1},
        {"another function", withCrc({1, 4, 2, 0, 1}), 1, -1},
        {"too short", Bytes{0x01, 0x03}, 1, -1},
        {"147 registers, byte count wrapped", readReply(1, std::vector<std::uint16_t>(147, 7)), 147, 147},
        {"130 registers for 147 asked", readReply(1, std::vector<std::uint16_t>(130, 7)), 147, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtu::readReplyValueCount(c.reply.data(), c.reply.size(), c.asked), c.expected) << c.what;
}

TEST(RtuFrame, RecognisesExceptionReplies)
{
    const Bytes exception{0x01, 0x83, 0x02, 0xC0, 0xF1};
    EXPECT_TRUE(rtu::isExceptionReply(exception.data(), exception.size(), 3));
    EXPECT_FALSE(rtu::isExceptionReply(exception.data(), exception.size(), 6));
    const Bytes writeRefused = withCrc({0x01, 0x86, 0x03});
    EXPECT_TRUE(rtu::isExceptionReply(writeRefused.data(), writeRefused.size(), 6));
    Bytes corrupt = writeRefused;
    corrupt[2] = 0x04;
    EXPECT_FALSE(rtu::isExceptionReply(corrupt.data(), corrupt.size(), 6));
}

TEST(RtuFrame, ExpectedLengthFollowsTheHeader)
{
    const std::uint8_t exception[] = {1, 0x83, 2};
    const std::uint8_t read4[] = {1, 3, 4};
    const std::uint8_t readHuge[] = {1, 3, 250};
    const std::uint8_t echo[] = {1, 6, 0x0B};
    EXPECT_EQ(rtu::expectedReplyLength(exception, 11), 5u);
    EXPECT_EQ(rtu::expectedReplyLength(read4, 11), 9u);
    EXPECT_EQ(rtu::expectedReplyLength(readHuge, 11), 11u);
    EXPECT_EQ(rtu::expectedReplyLength(echo, 8), 8u);
}
