#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "support/RecordingPump.h"
#include "support/RegisterPeer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <utility>

namespace {

class DeviceLinkSerialTest : public ::testing::Test {
protected:
    DeviceLinkSerialTest()
        : pty(device.handler())
        , link(pump)
    {
    }

    void open(int type = kQLX700T)
    {
        link.setDeviceType(type);
        link.setSlaveAddress(1);
        ASSERT_TRUE(link.openSerial(pty.path(), {9600, 0, 0}, true));
        pump.pauses.clear();
    }

    RegisterPeer device;
    PtyPeer pty;
    RecordingPump pump;
    DeviceLink link;
};

} // namespace

TEST_F(DeviceLinkSerialTest, ReadPutsTheExactFrameOnTheWireAndStoresTheValues)
{
    open();
    device.set(201, 2);
    device.set(202, 20);
    device.set(203, 21);
    ASSERT_TRUE(link.readRegisters(201, 3));
    ASSERT_EQ(pty.requests().size(), 1u);
    EXPECT_EQ(pty.requests()[0], (Bytes{0x01, 0x03, 0x00, 0xC9, 0x00, 0x03, 0xD5, 0xF5}));
    EXPECT_EQ(link.image().value(reg::T::DisplayUnit), 2);
    EXPECT_EQ(link.image().value(reg::T::DeltaT, 1), 21);
}

TEST_F(DeviceLinkSerialTest, PReadsCarryTheWireOffset)
{
    open(kQLX700P);
    device.set(0x8001, 4);
    device.set(0x8003, 6);
    ASSERT_TRUE(link.readRegisters(1, 3));
    EXPECT_EQ(pty.requests().at(0), (Bytes{0x01, 0x03, 0x80, 0x01, 0x00, 0x03, 0x7D, 0xCB}));
    EXPECT_EQ(link.registerValue(1), 4);
    EXPECT_EQ(link.registerValue(3), 6);
}

TEST_F(DeviceLinkSerialTest, RefusedAndInconsistentRepliesLeaveTheImage)
{
    open();
    device.set(201, 2);
    ASSERT_TRUE(link.readRegisters(201, 1));

    device.set(201, 1);
    device.badByteCount = true;
    EXPECT_FALSE(link.readRegisters(201, 1));
    EXPECT_EQ(link.registerValue(201), 2);

    // A shorter reply that is consistent fails the read, and nothing of it is stored:
    // it cannot be told from the late reply of a smaller read.
    device.set(202, 30);
    device.set(203, 31);
    device.shortReplyCount = 1;
    EXPECT_FALSE(link.readRegisters(201, 3));
    EXPECT_EQ(link.lastError().fault, LinkFault::ShortReply);
    EXPECT_EQ(describeLinkError(link.lastError()), "short reply (1 register(s) of 3)");
    EXPECT_EQ(link.registerValue(201), 2);
    EXPECT_FALSE(link.received(202));
    EXPECT_FALSE(link.received(203));
}

// A damaged reply (a byte count that disagrees with its length, fewer registers than
// asked) costs the read one more request when retries are allowed, and only then.
TEST_F(DeviceLinkSerialTest, ADamagedReplyIsAskedForAgainWithinTheRetries)
{
    open();
    device.set(201, 2);
    device.set(202, 30);
    for (int retries : {0, 1}) {
        for (const char* damage : {"byte count", "short"}) {
            SCOPED_TRACE(std::string(damage) + " with " + std::to_string(retries) + " retries");
            link.setReadRetries(retries);
            pty.clearRequests();
            if (std::string(damage) == "short")
                device.shortReplyCount = 1;
            else
                device.badByteCount = true;
            EXPECT_EQ(link.readRegisters(201, 2), retries == 1);
            EXPECT_EQ(pty.requests().size(), static_cast<std::size_t>(1 + retries));
            EXPECT_EQ(link.received(202), retries == 1);
            link.close();
            open();
        }
    }
}

// Bytes an earlier exchange left on the line arrive just before the answer: whole
// frames that answer something else and noise are skipped within the same wait.
TEST_F(DeviceLinkSerialTest, OnlyTheAnswerToThisRequestIsTaken)
{
    open();
    device.set(201, 2);
    device.set(202, 7);
    struct Case {
        const char* what;
        Bytes before;
    };
    const Case cases[] = {
        {"late echo of a write", withCrc({0x01, 0x06, 0x00, 0xC9, 0x00, 0x09})},
        {"late refusal of a write", withCrc({0x01, 0x86, 0x03})},
        {"late reply of a longer read", readReply(1, {9, 9, 9})},
        {"late reply of a shorter read", readReply(1, {9})},
        {"another slave's reply", readReply(2, {9, 9})},
        {"noise", Bytes{0x00, 0xFF, 0x01, 0x03}},
        {"a frame with a wrong CRC", Bytes{0x01, 0x03, 0x04, 0x00, 0x09, 0x00, 0x09, 0x12, 0x34}},
    };
    for (const Case& c : cases) {
        device.before = c.before;
        ASSERT_TRUE(link.readRegisters(201, 2)) << c.what;
        EXPECT_EQ(link.registerValue(201), 2) << c.what;
        EXPECT_EQ(link.registerValue(202), 7) << c.what;
    }
}

// A reply sent twice: the copy must not answer the next request, even one of the
// same size.
TEST_F(DeviceLinkSerialTest, ADuplicatedReplyNeverAnswersTheNextRequest)
{
    open();
    device.set(2000, 0x1200);
    device.set(2001, 0x1100);
    device.set(2501, 4464);
    device.set(2502, 1);
    device.duplicate = true;
    ASSERT_TRUE(link.readRegisters(2000, 2));
    ASSERT_TRUE(link.readRegisters(2501, 2));
    EXPECT_EQ(link.image().SerialNumber(), 4464 + 65536);
    EXPECT_EQ(link.registerValue(2000), 0x1200);
}

TEST_F(DeviceLinkSerialTest, FailuresNameTheirCause)
{
    PtyPeer exceptional([](const Bytes&) { return Bytes{0x01, 0x83, 0x02, 0xC0, 0xF1}; });
    PtyPeer corrupt([](const Bytes&) {
        Bytes r = readReply(1, {5});
        r.back() ^= 0xFF;
        return r;
    });
    PtyPeer silent([](const Bytes&) { return Bytes{}; });
    struct Case {
        PtyPeer* peer;
        LinkFault fault;
        std::string text;
    };
    const Case cases[] = {
        {&exceptional, LinkFault::Exception, "exception 2"},
        {&corrupt, LinkFault::BadCrc, "bad CRC"},
        {&silent, LinkFault::Timeout, "time-out (no answer)"},
    };
    for (const Case& c : cases) {
        link.setDeviceType(kQLX700T);
        ASSERT_TRUE(link.openSerial(c.peer->path(), {}, false));
        EXPECT_FALSE(link.readRegisters(201, 1)) << c.text;
        EXPECT_EQ(link.lastError().fault, c.fault) << c.text;
        EXPECT_EQ(describeLinkError(link.lastError()), c.text);
        EXPECT_FALSE(link.received(201)) << c.text;
    }
}

// Registers the model's map does not know are read and written like any other: the
// words of the reply and the read-back decide, not the image.
TEST_F(DeviceLinkSerialTest, UnmappedRegistersAreReadAndVerifiedFromTheReply)
{
    open();
    device.set(3500, 77);
    std::vector<std::uint16_t> words;
    ASSERT_TRUE(link.readRaw(3499, 2, words));
    EXPECT_EQ(words, (std::vector<std::uint16_t>{0, 77}));
    EXPECT_TRUE(link.writeRegister(3500, 5, false, true));
    EXPECT_EQ(device.get(3500), 5);
    device.sticky.insert(3500);
    EXPECT_FALSE(link.writeRegister(3500, 6, false, true));
    EXPECT_EQ(link.lastError().fault, LinkFault::ReadBackDiffers);
    EXPECT_EQ(link.lastError().reg, 3500);
    EXPECT_EQ(link.lastError().value, 5);
}

// Two processes on one port: the second is refused, whoever runs it.
TEST_F(DeviceLinkSerialTest, ASecondOpenOfThePortIsRefusedAsBusy)
{
    open();
    PollEventPump otherPump;
    DeviceLink other(otherPump);
    EXPECT_FALSE(other.openSerial(pty.path(), {9600, 0, 0}, false));
    EXPECT_EQ(other.lastSerialOpenError(), EBUSY);
    link.close();
    EXPECT_TRUE(other.openSerial(pty.path(), {9600, 0, 0}, false));
}

TEST_F(DeviceLinkSerialTest, ExceptionReplyFails)
{
    PtyPeer exceptional([](const Bytes&) { return Bytes{0x01, 0x83, 0x02, 0xC0, 0xF1}; });
    link.setDeviceType(kQLX700T);
    ASSERT_TRUE(link.openSerial(exceptional.path(), {}, false));
    link.storeRegisterValue(201, 5);
    EXPECT_FALSE(link.readRegisters(201, 1));
    EXPECT_EQ(link.registerValue(201), 5);
}

// Only a value received from this device counts as unchanged: the image's zero of a
// register never read says nothing of what the device holds.
TEST_F(DeviceLinkSerialTest, OnlyAReceivedValueMakesAWriteUnnecessary)
{
    open();
    device.set(201, 2);
    ASSERT_TRUE(link.writeRegister(201, 0));
    EXPECT_EQ(device.get(201), 0);
    pty.clearRequests();
    EXPECT_TRUE(link.writeRegister(201, 0));
    const std::uint16_t zeros[] = {0};
    EXPECT_TRUE(link.writeRegisters(201, zeros));
    EXPECT_TRUE(pty.requests().empty());
    link.close();
    EXPECT_FALSE(link.writeRegister(201, 0)) << "a closed link forgets what it received";
}

TEST_F(DeviceLinkSerialTest, WriteRegisterSendsSettlesAndReadsBack)
{
    open();
    const auto start = LinkClock::now();
    ASSERT_TRUE(link.writeRegister(201, 2));
    const auto requests = pty.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], withCrc({0x01, 0x06, 0x00, 0xC9, 0x00, 0x02}));
    EXPECT_EQ(requests[1], withCrc({0x01, 0x03, 0x00, 0xC9, 0x00, 0x01}));
    // The settle delay counts from the write: what the echo took is part of it.
    ASSERT_EQ(pump.pauses.size(), 1u);
    EXPECT_LE(pump.pauses[0], std::chrono::milliseconds(150));
    EXPECT_GE(LinkClock::now() - start, std::chrono::milliseconds(150));
    EXPECT_EQ(device.get(201), 2);
}

TEST_F(DeviceLinkSerialTest, WriteThatDoesNotStickFailsAndKeepsTheReadBack)
{
    open();
    device.set(201, 1);
    device.sticky.insert(201);
    EXPECT_FALSE(link.writeRegister(201, 2));
    EXPECT_EQ(link.registerValue(201), 1);
}

TEST_F(DeviceLinkSerialTest, RefusedWriteFailsEvenWhenTheValueIsAlreadyThere)
{
    open();
    device.set(208, 1);
    device.refused.insert(208);
    ASSERT_TRUE(link.readRegisters(208, 1));
    EXPECT_FALSE(link.writeRegister(208, 1, false, true));
    const std::uint16_t values[] = {0, 1};
    EXPECT_FALSE(link.writeRegisters(207, values, false, true));
}

TEST_F(DeviceLinkSerialTest, WriteRegistersIsOneBlockAndOneRead)
{
    open();
    const std::uint16_t password[] = {'Q', 'W', 'K', 'Z'};
    ASSERT_TRUE(link.writeRegisters(1600, password));
    const auto requests = pty.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].size(), 2u * 4 + 9);
    EXPECT_EQ(requests[0], withCrc({0x01, 0x10, 0x06, 0x40, 0x00, 0x04, 0x08, 0, 'Q', 0, 'W', 0, 'K', 0, 'Z'}));
    EXPECT_EQ(requests[1], withCrc({0x01, 0x03, 0x06, 0x40, 0x00, 0x04}));
    EXPECT_EQ(link.image().Password(3), 'Z');

    device.sticky.insert(1602);
    const std::uint16_t other[] = {'A', 'B', 'C', 'D'};
    EXPECT_FALSE(link.writeRegisters(1600, other));
}

TEST_F(DeviceLinkSerialTest, SendCommandChecksOnlyFunctionAndAddressOfTheEcho)
{
    open();
    device.commandEcho = 0x1234;
    ASSERT_TRUE(link.sendCommand(100));
    EXPECT_EQ(pty.requests().at(0), (Bytes{0x01, 0x06, 0x0B, 0xB8, 0x00, 0x64, 0x0A, 0x20}));
    EXPECT_EQ(pty.requests().size(), 1u); // no read-back

    device.refused.insert(3000);
    EXPECT_FALSE(link.sendCommand(100));
    EXPECT_EQ(describeLinkError(link.lastError()), "exception 3");
}

TEST_F(DeviceLinkSerialTest, PCommandUsesTheOffsetAddress)
{
    open(kQLX700P);
    ASSERT_TRUE(link.sendCommand(1000));
    EXPECT_EQ(pty.requests().at(0), (Bytes{0x01, 0x06, 0x8B, 0xB8, 0x03, 0xE8, 0x22, 0xB5}));
}

TEST_F(DeviceLinkSerialTest, SizesOutsideTheBuffersAreRefusedWithoutSending)
{
    open();
    EXPECT_FALSE(link.readRegisters(1, 0));
    EXPECT_FALSE(link.readRegisters(1, 148));
    EXPECT_FALSE(link.writeRegisters(1, std::vector<std::uint16_t>(146, 1)));
    EXPECT_FALSE(link.writeRegisters(1, std::vector<std::uint16_t>{}));
    EXPECT_TRUE(pty.requests().empty());
    EXPECT_TRUE(link.readRegisters(1, 147));
}

TEST_F(DeviceLinkSerialTest, TimingsAndFlushesFollowTheLink)
{
    EXPECT_EQ(link.readTimeout(), Seconds(0.025));
    EXPECT_FALSE(link.flushQueuedReads());
    open();
    EXPECT_EQ(link.readTimeout(), Seconds(2.0));
    EXPECT_EQ(link.writeSettleDelay(), Seconds(0.15));
    EXPECT_TRUE(link.linkOnSerialPort());
    EXPECT_TRUE(link.flushQueuedReads());
    EXPECT_TRUE(link.flushQueuedWrites());
    EXPECT_TRUE(pty.requests().empty());
    link.close();
    EXPECT_FALSE(link.connected());
    EXPECT_FALSE(link.linkOnSerialPort());
    EXPECT_FALSE(link.flushQueuedWrites());
}

TEST_F(DeviceLinkSerialTest, OpeningALinkForgetsThePreviousDevice)
{
    open();
    device.set(1600, 'Q');
    ASSERT_TRUE(link.readRegisters(1600, 1));
    ASSERT_EQ(link.image().Password(0), 'Q');
    open();
    EXPECT_EQ(link.registerValue(1600), 0);
    EXPECT_FALSE(link.received(1600));
}

namespace {

// Runs a callback from inside the link's first wait, as a window's timer would.
class NestingPump final : public EventPump {
public:
    std::function<void()> duringWait;

    short waitReady(int fd, short events, Deadline deadline) override
    {
        if (auto call = std::exchange(duringWait, nullptr))
            call();
        return inner_.waitReady(fd, events, deadline);
    }
    void sleepUntil(Deadline deadline) override
    {
        if (auto call = std::exchange(duringWait, nullptr))
            call();
        inner_.sleepUntil(deadline);
    }
    void watchSocket(int fd, SocketEventSink& sink, bool connecting) override { inner_.watchSocket(fd, sink, connecting); }
    void unwatchSocket(int fd) override { inner_.unwatchSocket(fd); }
    void runUntil(const std::function<bool()>& done, Deadline deadline) override { inner_.runUntil(done, deadline); }

private:
    PollEventPump inner_;
};

} // namespace

TEST(DeviceLinkBusy, TransactionStartedDuringAWaitFailsAtOnce)
{
    RegisterPeer device;
    device.set(201, 2);
    PtyPeer pty(device.handler());
    NestingPump pump;
    DeviceLink link(pump);
    link.setDeviceType(kQLX700T);
    ASSERT_TRUE(link.openSerial(pty.path(), {}, false));

    struct Nested {
        const char* what;
        std::function<bool()> call;
    };
    const std::uint16_t values[] = {1, 2};
    const Nested cases[] = {
        {"read", [&] { return link.readRegisters(1, 1); }},
        {"write", [&] { return link.writeRegister(1, 7); }},
        {"block write", [&] { return link.writeRegisters(1, values); }},
        {"command", [&] { return link.sendCommand(100); }},
    };
    for (const Nested& n : cases) {
        pty.clearRequests();
        bool nested = true;
        pump.duringWait = [&] { nested = n.call(); };
        EXPECT_TRUE(link.writeRegister(201, 3)) << n.what;
        EXPECT_FALSE(nested) << n.what;
        ASSERT_EQ(pty.requests().size(), 2u) << n.what; // only the write and its read-back
        EXPECT_EQ(pty.requests()[0][1], 6) << n.what;
        device.set(201, 2);
        ASSERT_TRUE(link.readRegisters(201, 1));
    }
    EXPECT_TRUE(link.readRegisters(201, 1)); // the flag is released afterwards
}
