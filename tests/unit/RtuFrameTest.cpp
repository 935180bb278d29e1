#include "link/RtuFrame.h"
#include "link/RtuReplyScan.h"
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

namespace {

using rtu::ScanKind;

// The first decision the scanner takes on `bytes` when `asked` registers from 2000
// were read from slave 1.
rtu::ScanStep scanRead(const Bytes& bytes, int asked)
{
    return rtu::scanReply(bytes.data(), bytes.size(), {1, 3, 2000, static_cast<std::uint16_t>(asked)});
}

} // namespace

TEST(RtuReplyScan, TakesOnlyTheAnswerToTheRead)
{
    struct Case {
        const char* what;
        Bytes reply;
        int asked;
        ScanKind kind;
        std::size_t length;
    };
    Bytes truncated = readReply(1, {1, 2, 3});
    truncated.erase(truncated.begin() + 5);
    Bytes badCrc = readReply(1, {1, 2, 3});
    badCrc.back() ^= 0xFF;
    const Case cases[] = {
        {"full reply", readReply(1, {1, 2, 3}), 3, ScanKind::Answer, 11},
        {"fewer registers, consistent", readReply(1, {1, 2}), 3, ScanKind::ShortAnswer, 9},
        {"more registers than asked: another request's reply", readReply(1, {1, 2, 3, 4}), 3, ScanKind::Skip, 13},
        {"odd byte count", withCrc({1, 3, 3, 0, 1, 0}), 3, ScanKind::Skip, 8},
        {"byte count beyond the bytes", withCrc({1, 3, 6, 0, 1, 0, 2}), 3, ScanKind::NeedMore, 11},
        {"bytes missing in the middle", truncated, 3, ScanKind::NeedMore, 11},
        {"bad CRC", badCrc, 3, ScanKind::Skip, 1},
        {"exception", Bytes{0x01, 0x83, 0x02, 0xC0, 0xF1}, 3, ScanKind::Exception, 5},
        {"another slave", readReply(2, {1, 2, 3}), 3, ScanKind::Skip, 1},
        {"another function", withCrc({1, 4, 2, 0, 1}), 1, ScanKind::Skip, 1},
        {"echo of an earlier write", withCrc({1, 6, 0x07, 0xD0, 0, 5}), 1, ScanKind::Skip, 8},
        {"refusal of an earlier write", withCrc({1, 0x86, 2}), 1, ScanKind::Skip, 5},
        {"header only", Bytes{0x01, 0x03}, 1, ScanKind::NeedMore, 3},
        {"147 registers, byte count wrapped", readReply(1, std::vector<std::uint16_t>(147, 7)), 147, ScanKind::Answer, 299},
        {"130 registers for 147 asked: the wrapped count proves nothing", readReply(1, std::vector<std::uint16_t>(130, 7)), 147, ScanKind::Skip, 1},
    };
    for (const Case& c : cases) {
        const rtu::ScanStep step = scanRead(c.reply, c.asked);
        EXPECT_EQ(step.kind, c.kind) << c.what;
        EXPECT_EQ(step.length, c.length) << c.what;
    }
    EXPECT_TRUE(scanRead(badCrc, 3).badCrc);
}

TEST(RtuReplyScan, TakesOnlyTheEchoOfThisWrite)
{
    const rtu::Expectation single{1, 6, 201, 1};
    const rtu::Expectation block{1, 16, 1600, 4};
    const auto scan = [](const Bytes& b, const rtu::Expectation& e) { return rtu::scanReply(b.data(), b.size(), e).kind; };
    EXPECT_EQ(scan(withCrc({1, 6, 0, 201, 0, 2}), single), ScanKind::Answer);
    EXPECT_EQ(scan(withCrc({1, 6, 0, 202, 0, 2}), single), ScanKind::Skip);
    EXPECT_EQ(scan(withCrc({1, 0x86, 3}), single), ScanKind::Exception);
    EXPECT_EQ(scan(withCrc({1, 16, 0x06, 0x40, 0, 4}), block), ScanKind::Answer);
    EXPECT_EQ(scan(withCrc({1, 16, 0x06, 0x40, 0, 3}), block), ScanKind::Skip);
    EXPECT_EQ(scan(readReply(1, {5}), single), ScanKind::Skip);
}
