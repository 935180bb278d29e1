#include "link/AsyncFrameParser.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class AsyncFrameParserTest : public ::testing::Test {
protected:
    AsyncFrameParser parser{[this](std::span<const std::uint8_t> p) { frames.emplace_back(p.begin(), p.end()); }};
    std::vector<Bytes> frames;

    void feed(const Bytes& bytes) { parser.feed(bytes); }
};

Bytes withHeader(std::uint16_t length, const Bytes& payload)
{
    Bytes f{0x5D, 0x73, 0x91, 0xAD, static_cast<std::uint8_t>(length & 0xFF), static_cast<std::uint8_t>(length >> 8)};
    f.insert(f.end(), payload.begin(), payload.end());
    return f;
}

const Bytes kPayload{0x02, 0x00, 0x07, 0x00, 0x01, 0x00, 0xC9, 0x00, 0x34, 0x12};

} // namespace

TEST_F(AsyncFrameParserTest, FrameSplitAnywhereIsAssembled)
{
    const Bytes whole = withHeader(10, kPayload);
    for (std::size_t cut = 1; cut < whole.size(); ++cut) {
        frames.clear();
        feed(Bytes(whole.begin(), whole.begin() + static_cast<long>(cut)));
        EXPECT_TRUE(frames.empty()) << "cut " << cut;
        feed(Bytes(whole.begin() + static_cast<long>(cut), whole.end()));
        ASSERT_EQ(frames.size(), 1u) << "cut " << cut;
        EXPECT_EQ(frames[0], kPayload);
        EXPECT_EQ(parser.state(), 0);
    }
}

TEST_F(AsyncFrameParserTest, BackToBackFramesAndLeadingNoise)
{
    Bytes stream{0x00, 0xFF, 0x73};
    const Bytes one = withHeader(10, kPayload);
    stream.insert(stream.end(), one.begin(), one.end());
    stream.insert(stream.end(), one.begin(), one.end());
    feed(stream);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1], kPayload);
}

// The device's parser skips a wrong byte inside the magic without starting over;
// ours accepts the same streams.
TEST_F(AsyncFrameParserTest, StrayByteInsideTheMagicIsSkipped)
{
    Bytes stream{0x5D, 0x00, 0x73, 0x42, 0x91, 0xAD, 10, 0};
    stream.insert(stream.end(), kPayload.begin(), kPayload.end());
    feed(stream);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], kPayload);
}

TEST_F(AsyncFrameParserTest, ImpossibleLengthsAreDroppedAndTheNextFrameIsFound)
{
    for (std::uint16_t bad : {0, 1, 5, 2001, 4096, 65535}) {
        frames.clear();
        const std::size_t droppedBefore = parser.droppedFrames();
        Bytes stream = withHeader(bad, Bytes(20, 0x11));
        const Bytes good = withHeader(10, kPayload);
        stream.insert(stream.end(), good.begin(), good.end());
        feed(stream);
        EXPECT_EQ(parser.droppedFrames(), droppedBefore + 1) << "length " << bad;
        ASSERT_EQ(frames.size(), 1u) << "length " << bad;
        EXPECT_EQ(frames[0], kPayload);
    }
}

TEST_F(AsyncFrameParserTest, LimitLengthsAreAccepted)
{
    feed(withHeader(6, Bytes{2, 0, 1, 0, 0, 0}));
    feed(withHeader(2000, Bytes(2000, 0x5D)));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].size(), 6u);
    EXPECT_EQ(frames[1].size(), 2000u);
    EXPECT_EQ(parser.droppedFrames(), 0u);
}

TEST_F(AsyncFrameParserTest, ResetForgetsAHalfFrame)
{
    const Bytes whole = withHeader(10, kPayload);
    feed(Bytes(whole.begin(), whole.begin() + 9));
    EXPECT_EQ(parser.state(), 6);
    parser.reset();
    EXPECT_EQ(parser.state(), 0);
    feed(whole);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], kPayload);
}
