#include "AsyncLinkFixture.h"

#include "device/DeviceType.h"

#include <functional>
#include <optional>

namespace {

using Bytes = AsyncPeer::Bytes;

class AsyncLinkTest : public AsyncLinkFixture {};

} // namespace

TEST_F(AsyncLinkTest, ReadRequestGoesOutAsTheGoldenFrameAndFillsTheImage)
{
    setDevice(1, 11);
    setDevice(2, 22);
    setDevice(3, 33);
    ASSERT_TRUE(connect());
    link.asyncLink().setSequenceCounter(7);
    ASSERT_TRUE(link.readRegisters(1, 3));
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].raw, (Bytes{0x5D, 0x73, 0x91, 0xAD, 0x0C, 0x00, 0x01, 0x00, 0x07, 0x00, 0x03, 0x00, 0x01,
                                    0x00, 0x02, 0x00, 0x03, 0x00}));
    EXPECT_EQ(link.registerValue(1), 11);
    EXPECT_EQ(link.registerValue(2), 22);
    EXPECT_EQ(link.registerValue(3), 33);
    EXPECT_EQ(link.asyncLink().sequenceCounter(), 8);
}

TEST_F(AsyncLinkTest, WritesOfThePCarryTheOffsetButTheCommandPairDoesNot)
{
    link.setDeviceType(kQLX700P);
    ASSERT_TRUE(connect());
    link.asyncLink().setSequenceCounter(0x0102);
    const std::vector<std::uint16_t> values{5, 6};
    ASSERT_TRUE(link.writeRegisters(1, values));
    ASSERT_TRUE(link.sendCommand(1000));
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].raw, (Bytes{0x5D, 0x73, 0x91, 0xAD, 0x0E, 0x00, 0x0A, 0x00, 0x02, 0x01, 0x02, 0x00, 0x01,
                                    0x80, 0x05, 0x00, 0x02, 0x80, 0x06, 0x00}));
    EXPECT_EQ(frames[1].command, 1);
    EXPECT_EQ(frames[1].words, (std::vector<std::uint16_t>{0x8001, 0x8002}));
    EXPECT_EQ(frames[2].command, 10);
    EXPECT_EQ(frames[2].count, 1);
    EXPECT_EQ(frames[2].words, (std::vector<std::uint16_t>{3000, 1000}));
    EXPECT_EQ(link.registerValue(1), 5);
    EXPECT_EQ(link.registerValue(2), 6);
}

TEST_F(AsyncLinkTest, WriteFailsOnANonZeroStatusOrAReadBackThatDiffers)
{
    ASSERT_TRUE(connect());
    setDevice(201, 9);
    // The device refuses the write with status 3 but still answers the read-back.
    script = [this](const Frame& f, AsyncPeer& p) {
        if (f.command == 10)
            p.send(AsyncPeer::writeReply(f.sequence, 3));
        else
            answer(f, p);
    };
    EXPECT_FALSE(link.writeRegister(201, 4));
    EXPECT_EQ(describeLinkError(link.lastError()), "refused write (status 3)");
    EXPECT_EQ(link.registerValue(201), 9);
    EXPECT_FALSE(link.sendCommand(100));

    // Status 0 but the value does not stick: the read-back tells, as on the serial link.
    script = [this](const Frame& f, AsyncPeer& p) {
        if (f.command == 10)
            p.send(AsyncPeer::writeReply(f.sequence, 0));
        else
            answer(f, p);
    };
    EXPECT_FALSE(link.writeRegister(201, 4));
    EXPECT_EQ(describeLinkError(link.lastError()), "read-back differs (register 201 holds 9)");
    EXPECT_EQ(link.registerValue(201), 9);
}

TEST_F(AsyncLinkTest, WriteEqualToTheReceivedValueSendsNothingUnlessForced)
{
    ASSERT_TRUE(connect());
    ASSERT_TRUE(link.readRegisters(201, 1));
    const std::size_t sent = peer.frames().size();
    EXPECT_TRUE(link.writeRegister(201, 0));
    EXPECT_EQ(peer.frames().size(), sent);
    EXPECT_TRUE(link.writeRegister(201, 0, false, true));
    EXPECT_EQ(peer.frames().size(), sent + 2);
}

TEST_F(AsyncLinkTest, ReplySplitAcrossTwoSegmentsCompletesTheRequest)
{
    setDevice(2000, 0x0123);
    ASSERT_TRUE(connect());
    script = [this](const Frame& f, AsyncPeer& p) {
        const Bytes whole = AsyncPeer::registerData(f.sequence, {{2000, deviceValue(2000)}});
        const int seen = pump.reads();
        p.send(Bytes(whole.begin(), whole.begin() + 9));
        // The second piece goes only once the tool has taken the first.
        ASSERT_TRUE(pump.waitForReadsAbove(seen));
        p.send(Bytes(whole.begin() + 9, whole.end()));
    };
    const int readsBefore = pump.reads();
    ASSERT_TRUE(link.readRegisters(2000, 1));
    EXPECT_EQ(link.registerValue(2000), 0x0123);
    EXPECT_GE(pump.reads() - readsBefore, 2);
}

TEST_F(AsyncLinkTest, RegisterDataOfAnySequenceUpdatesTheImage)
{
    ASSERT_TRUE(connect());
    // Unasked, between requests.
    peer.send(AsyncPeer::registerData(0x4242, {{2000, 77}, {2001, 78}}));
    pump.runUntil([&] { return link.registerValue(2001) == 78; }, deadlineAfter(Seconds(10)));
    EXPECT_EQ(link.registerValue(2000), 77);
    EXPECT_EQ(link.registerValue(2001), 78);

    // Unasked, while a request waits: stored, and the request still waits for its own.
    setDevice(2002, 23847);
    script = [this](const Frame& f, AsyncPeer& p) {
        p.send(AsyncPeer::registerData(static_cast<std::uint16_t>(f.sequence + 100), {{1, 55}}));
        answer(f, p);
    };
    ASSERT_TRUE(link.readRegisters(2002, 1));
    EXPECT_EQ(link.registerValue(1), 55);
    EXPECT_EQ(link.registerValue(2002), 23847);
    EXPECT_EQ(link.asyncLink().lastReceivedSequence(), link.asyncLink().sequenceCounter() - 1);
}

// The sequence finds the reply; only register data for exactly the registers asked
// answers a read. Nothing of a wrong reply counts as received.
TEST_F(AsyncLinkTest, OnlyDataForTheRegistersAskedAnswersARead)
{
    ASSERT_TRUE(connect());
    struct Case {
        const char* what;
        std::function<Bytes(std::uint16_t)> reply;
        LinkFault fault;
    };
    const Case cases[] = {
        {"a write acknowledgement", [](std::uint16_t s) { return AsyncPeer::writeReply(s, 0); }, LinkFault::WrongReply},
        {"no pairs", [](std::uint16_t s) { return AsyncPeer::registerData(s, {}); }, LinkFault::ShortReply},
        {"one pair of two", [](std::uint16_t s) { return AsyncPeer::registerData(s, {{1, 5}}); }, LinkFault::ShortReply},
        {"pairs for other registers", [](std::uint16_t s) { return AsyncPeer::registerData(s, {{1, 5}, {2, 6}, {9, 7}}); },
         LinkFault::WrongReply},
    };
    for (const Case& c : cases) {
        script = [&](const Frame& f, AsyncPeer& p) { p.send(c.reply(f.sequence)); };
        EXPECT_FALSE(link.readRegisters(1, 2)) << c.what;
        EXPECT_EQ(link.lastError().fault, c.fault) << c.what;
        EXPECT_FALSE(link.received(2)) << c.what;
    }
}

// A reply that comes after its request gave up is dropped, not taken for the next
// request's answer nor stored: the device may have changed since.
TEST_F(AsyncLinkTest, ALateReplyAnswersNothing)
{
    ASSERT_TRUE(connect());
    std::optional<std::uint16_t> held;
    script = [&](const Frame& f, AsyncPeer& p) {
        if (!held) {
            held = f.sequence; // no answer in time
            return;
        }
        p.send(AsyncPeer::registerData(*held, {{201, 99}}));
        answer(f, p);
    };
    setDevice(201, 5);
    link.readRegisters(201, 1, true);
    EXPECT_FALSE(link.flushQueuedReads(Seconds(0.2)));
    ASSERT_TRUE(link.readRegisters(201, 1));
    EXPECT_EQ(link.registerValue(201), 5);
}

TEST_F(AsyncLinkTest, SequenceCounterWrapsToZeroAndRepliesStillMatch)
{
    ASSERT_TRUE(connect());
    link.asyncLink().setSequenceCounter(65534);
    for (int i = 0; i < 3; ++i) {
        setDevice(1, static_cast<std::uint16_t>(100 + i));
        ASSERT_TRUE(link.readRegisters(1, 1)) << i;
        EXPECT_EQ(link.registerValue(1), 100 + i);
    }
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].sequence, 65534);
    EXPECT_EQ(frames[1].sequence, 65535);
    EXPECT_EQ(frames[2].sequence, 0);
    EXPECT_EQ(link.asyncLink().sequenceCounter(), 1);
}

TEST_F(AsyncLinkTest, RequestStartedDuringAWaitFailsAtOnceAndSendsNothing)
{
    ASSERT_TRUE(connect());
    std::vector<bool> nested;
    // As a window timer would, while the first request waits.
    pump.duringWait = [&] {
        if (!nested.empty())
            return;
        nested.push_back(link.asyncLink().busy());
        nested.push_back(link.readRegisters(2, 1));
        nested.push_back(link.writeRegister(201, 5));
        nested.push_back(link.sendCommand(100));
    };
    ASSERT_TRUE(link.readRegisters(1, 1));
    EXPECT_EQ(nested, (std::vector<bool>{true, false, false, false}));
    pump.duringWait = nullptr;
    ASSERT_TRUE(link.readRegisters(3, 1));
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].words, std::vector<std::uint16_t>{1});
    EXPECT_EQ(frames[1].words, std::vector<std::uint16_t>{3});
}

TEST_F(AsyncLinkTest, FramesOfImpossibleLengthAreDroppedAndTheReplyStillFound)
{
    ASSERT_TRUE(connect());
    script = [this](const Frame& f, AsyncPeer& p) {
        Bytes undersized{0x5D, 0x73, 0x91, 0xAD, 0x05, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00};
        Bytes oversized{0x5D, 0x73, 0x91, 0xAD, 0xFF, 0xFF};
        oversized.resize(oversized.size() + 2100, 0x22);
        // A pair count far beyond what the frame carries: only the carried pair counts.
        Bytes overCount = AsyncPeer::frame(2, 0x7777, 500, {5, 0x0505});
        Bytes stream = undersized;
        stream.insert(stream.end(), oversized.begin(), oversized.end());
        stream.insert(stream.end(), overCount.begin(), overCount.end());
        p.send(stream);
        answer(f, p);
    };
    setDevice(2000, 42);
    ASSERT_TRUE(link.readRegisters(2000, 1));
    EXPECT_EQ(link.registerValue(2000), 42);
    EXPECT_EQ(link.registerValue(5), 0x0505);
    EXPECT_EQ(link.asyncLink().droppedFrames(), 2u);
}
