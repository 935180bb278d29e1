#include "AsyncLinkFixture.h"

namespace {

class AsyncQueueTest : public AsyncLinkFixture {};

std::vector<std::uint16_t> range(std::uint16_t first, std::size_t count)
{
    std::vector<std::uint16_t> r;
    for (std::size_t i = 0; i < count; ++i)
        r.push_back(static_cast<std::uint16_t>(first + i));
    return r;
}

} // namespace

TEST_F(AsyncQueueTest, QueuedReadsGoAsOneFrameInQueueOrder)
{
    setDevice(2000, 1);
    setDevice(2, 8);
    ASSERT_TRUE(connect());
    EXPECT_TRUE(link.readRegisters(2000, 3, true));
    EXPECT_TRUE(link.readRegisters(1, 2, true));
    EXPECT_TRUE(peer.frames().empty());
    EXPECT_EQ(link.asyncLink().queuedReads(), 5u);
    ASSERT_TRUE(link.flushQueuedReads());
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].words, (std::vector<std::uint16_t>{2000, 2001, 2002, 1, 2}));
    EXPECT_EQ(link.registerValue(2000), 1);
    EXPECT_EQ(link.registerValue(2), 8);
    EXPECT_EQ(link.asyncLink().queuedReads(), 0u);
    EXPECT_TRUE(link.flushQueuedReads());
    EXPECT_EQ(peer.frames().size(), 1u);
}

TEST_F(AsyncQueueTest, QueuedWritesGoAsOneWriteThenOneReadOfTheSameRegisters)
{
    ASSERT_TRUE(connect());
    const std::vector<std::uint16_t> values{5, 6};
    EXPECT_TRUE(link.writeRegister(201, 3, true));
    EXPECT_TRUE(link.writeRegisters(1, values, true));
    EXPECT_TRUE(peer.frames().empty());
    ASSERT_TRUE(link.flushQueuedWrites());
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].command, 10);
    EXPECT_EQ(frames[0].count, 3);
    EXPECT_EQ(frames[0].words, (std::vector<std::uint16_t>{201, 3, 1, 5, 2, 6}));
    EXPECT_EQ(frames[1].command, 1);
    EXPECT_EQ(frames[1].words, (std::vector<std::uint16_t>{201, 1, 2}));
    EXPECT_EQ(link.registerValue(201), 3);
    EXPECT_EQ(link.registerValue(2), 6);
}

TEST_F(AsyncQueueTest, QueuesAreEmptiedEvenWhenTheFlushFails)
{
    ASSERT_TRUE(connect());
    script = [this](const Frame& f, AsyncPeer& p) {
        if (f.command == 10)
            p.send(AsyncPeer::writeReply(f.sequence, 1));
        else
            answer(f, p);
    };
    EXPECT_TRUE(link.writeRegister(201, 3, true));
    EXPECT_FALSE(link.flushQueuedWrites());
    EXPECT_EQ(link.asyncLink().queuedWrites(), 0u);
    // The registers were still read back, so the image shows the device's values.
    EXPECT_EQ(peer.frames().size(), 2u);

    EXPECT_TRUE(link.readRegisters(1, 2, true));
    EXPECT_TRUE(link.writeRegister(201, 4, true));
    link.close();
    EXPECT_FALSE(link.flushQueuedReads());
    EXPECT_FALSE(link.flushQueuedWrites());
    EXPECT_EQ(link.asyncLink().queuedReads(), 0u);
    EXPECT_EQ(link.asyncLink().queuedWrites(), 0u);
}

TEST_F(AsyncQueueTest, LongQueuesAreSplitIntoFramesTheDeviceCanTake)
{
    ASSERT_TRUE(connect());
    link.readRegisters(0, 1000, true);
    ASSERT_TRUE(link.flushQueuedReads());
    auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].words, range(0, 498));
    EXPECT_EQ(frames[1].words, range(498, 498));
    EXPECT_EQ(frames[2].words, range(996, 4));

    std::vector<std::uint16_t> values(500);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::uint16_t>(i + 1);
    ASSERT_TRUE(link.writeRegisters(3000, values, true));
    ASSERT_TRUE(link.flushQueuedWrites());
    frames = peer.frames();
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames[3].command, 10);
    EXPECT_EQ(frames[3].count, 497);
    EXPECT_EQ(frames[3].raw.size(), 12u + 4 * 497);
    EXPECT_EQ(frames[4].command, 10);
    EXPECT_EQ(frames[4].count, 3);
    EXPECT_EQ(frames[4].words, (std::vector<std::uint16_t>{3497, 498, 3498, 499, 3499, 500}));
    EXPECT_EQ(frames[5].command, 1);
    EXPECT_EQ(frames[5].words, range(3000, 498));
    EXPECT_EQ(frames[6].words, range(3498, 2));
    EXPECT_EQ(deviceValue(3499), 500);
}

TEST_F(AsyncQueueTest, OverUdpTheFlushesReturnAtOnce)
{
    EXPECT_FALSE(link.flushQueuedReads());
    EXPECT_FALSE(link.flushQueuedWrites());
    ASSERT_TRUE(link.openUdp("127.0.0.1", "", peer.port()));
    EXPECT_TRUE(link.flushQueuedReads());
    EXPECT_TRUE(link.flushQueuedWrites());
    EXPECT_EQ(pump.waits, 0);
    link.close();
    EXPECT_FALSE(link.flushQueuedReads());
    EXPECT_FALSE(link.flushQueuedWrites());
}
