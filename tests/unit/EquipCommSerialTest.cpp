#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "link/PollEventPump.h"
#include "support/RecordingPump.h"
#include "support/RegisterPeer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <utility>

namespace {

class EquipCommSerial : public ::testing::Test {
protected:
    EquipCommSerial()
        : pty(device.handler())
        , equip(pump)
    {
    }

    void open(int type = kQLX700T)
    {
        equip.setDeviceType(type);
        equip.setSlaveAddress(1);
        ASSERT_TRUE(equip.openSerial(pty.path(), {9600, 0, 0}, true));
        pump.pauses.clear();
    }

    RegisterPeer device;
    PtyPeer pty;
    RecordingPump pump;
    TEquipComm equip;
};

} // namespace

TEST_F(EquipCommSerial, ReadPutsTheExactFrameOnTheWireAndStoresTheValues)
{
    open();
    device.set(201, 2);
    device.set(202, 20);
    device.set(203, 21);
    ASSERT_TRUE(equip.readRegisters(201, 3));
    ASSERT_EQ(pty.requests().size(), 1u);
    EXPECT_EQ(pty.requests()[0], (Bytes{0x01, 0x03, 0x00, 0xC9, 0x00, 0x03, 0xD5, 0xF5}));
    EXPECT_EQ(equip.image().value(reg::T::UnidadeIndicacao), 2);
    EXPECT_EQ(equip.image().value(reg::T::DeltaT, 1), 21);
}

TEST_F(EquipCommSerial, PReadsCarryTheWireOffset)
{
    open(kQLX700P);
    device.set(0x8001, 4);
    device.set(0x8003, 6);
    ASSERT_TRUE(equip.readRegisters(1, 3));
    EXPECT_EQ(pty.requests().at(0), (Bytes{0x01, 0x03, 0x80, 0x01, 0x00, 0x03, 0x7D, 0xCB}));
    EXPECT_EQ(equip.registerValue(1), 4);
    EXPECT_EQ(equip.registerValue(3), 6);
}

TEST_F(EquipCommSerial, RefusedAndInconsistentRepliesLeaveTheImage)
{
    open();
    device.set(201, 2);
    ASSERT_TRUE(equip.readRegisters(201, 1));

    device.set(201, 1);
    device.badByteCount = true;
    EXPECT_FALSE(equip.readRegisters(201, 1));
    EXPECT_EQ(equip.registerValue(201), 2);

    // A shorter reply that is consistent fails the read, and nothing of it is stored:
    // it cannot be told from the late reply of a smaller read.
    device.set(202, 30);
    device.set(203, 31);
    device.shortReplyCount = 1;
    EXPECT_FALSE(equip.readRegisters(201, 3));
    EXPECT_EQ(equip.lastError().fault, LinkFault::ShortReply);
    EXPECT_EQ(describeLinkError(equip.lastError()), "short reply (1 register(s) of 3)");
    EXPECT_EQ(equip.registerValue(201), 2);
    EXPECT_FALSE(equip.received(202));
    EXPECT_FALSE(equip.received(203));
}

// Bytes an earlier exchange left on the line arrive just before the answer: whole
// frames that answer something else and noise are skipped within the same wait.
TEST_F(EquipCommSerial, OnlyTheAnswerToThisRequestIsTaken)
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
        ASSERT_TRUE(equip.readRegisters(201, 2)) << c.what;
        EXPECT_EQ(equip.registerValue(201), 2) << c.what;
        EXPECT_EQ(equip.registerValue(202), 7) << c.what;
    }
}

// A reply sent twice: the copy must not answer the next request, even one of the
// same size.
TEST_F(EquipCommSerial, ADuplicatedReplyNeverAnswersTheNextRequest)
{
    open();
    device.set(2000, 0x1200);
    device.set(2001, 0x1100);
    device.set(2501, 4464);
    device.set(2502, 1);
    device.duplicate = true;
    ASSERT_TRUE(equip.readRegisters(2000, 2));
    ASSERT_TRUE(equip.readRegisters(2501, 2));
    EXPECT_EQ(equip.image().SerialNumber(), 4464 + 65536);
    EXPECT_EQ(equip.registerValue(2000), 0x1200);
}

TEST_F(EquipCommSerial, FailuresNameTheirCause)
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
        equip.setDeviceType(kQLX700T);
        ASSERT_TRUE(equip.openSerial(c.peer->path(), {}, false));
        EXPECT_FALSE(equip.readRegisters(201, 1)) << c.text;
        EXPECT_EQ(equip.lastError().fault, c.fault) << c.text;
        EXPECT_EQ(describeLinkError(equip.lastError()), c.text);
        EXPECT_FALSE(equip.received(201)) << c.text;
    }
}

// Registers the model's map does not know are read and written like any other: the
// words of the reply and the read-back decide, not the image.
TEST_F(EquipCommSerial, UnmappedRegistersAreReadAndVerifiedFromTheReply)
{
    open();
    device.set(3500, 77);
    std::vector<std::uint16_t> words;
    ASSERT_TRUE(equip.readRaw(3499, 2, words));
    EXPECT_EQ(words, (std::vector<std::uint16_t>{0, 77}));
    EXPECT_TRUE(equip.writeRegister(3500, 5, false, true));
    EXPECT_EQ(device.get(3500), 5);
    device.sticky.insert(3500);
    EXPECT_FALSE(equip.writeRegister(3500, 6, false, true));
    EXPECT_EQ(equip.lastError().fault, LinkFault::ReadBackDiffers);
    EXPECT_EQ(equip.lastError().reg, 3500);
    EXPECT_EQ(equip.lastError().value, 5);
}

// Two processes on one port: the second is refused, whoever runs it.
TEST_F(EquipCommSerial, ASecondOpenOfThePortIsRefusedAsBusy)
{
    open();
    PollEventPump otherPump;
    TEquipComm other(otherPump);
    EXPECT_FALSE(other.openSerial(pty.path(), {9600, 0, 0}, false));
    EXPECT_EQ(other.lastSerialOpenError(), EBUSY);
    equip.close();
    EXPECT_TRUE(other.openSerial(pty.path(), {9600, 0, 0}, false));
}

TEST_F(EquipCommSerial, ExceptionReplyFails)
{
    PtyPeer exceptional([](const Bytes&) { return Bytes{0x01, 0x83, 0x02, 0xC0, 0xF1}; });
    equip.setDeviceType(kQLX700T);
    ASSERT_TRUE(equip.openSerial(exceptional.path(), {}, false));
    equip.storeRegisterValue(201, 5);
    EXPECT_FALSE(equip.readRegisters(201, 1));
    EXPECT_EQ(equip.registerValue(201), 5);
}

// Only a value received from this device counts as unchanged: the image's zero of a
// register never read says nothing of what the device holds.
TEST_F(EquipCommSerial, OnlyAReceivedValueMakesAWriteUnnecessary)
{
    open();
    device.set(201, 2);
    ASSERT_TRUE(equip.writeRegister(201, 0));
    EXPECT_EQ(device.get(201), 0);
    pty.clearRequests();
    EXPECT_TRUE(equip.writeRegister(201, 0));
    const std::uint16_t zeros[] = {0};
    EXPECT_TRUE(equip.writeRegisters(201, zeros));
    EXPECT_TRUE(pty.requests().empty());
    equip.close();
    EXPECT_FALSE(equip.writeRegister(201, 0)) << "a closed link forgets what it received";
}

TEST_F(EquipCommSerial, WriteRegisterSendsSettlesAndReadsBack)
{
    open();
    const auto start = LinkClock::now();
    ASSERT_TRUE(equip.writeRegister(201, 2));
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

TEST_F(EquipCommSerial, WriteThatDoesNotStickFailsAndKeepsTheReadBack)
{
    open();
    device.set(201, 1);
    device.sticky.insert(201);
    EXPECT_FALSE(equip.writeRegister(201, 2));
    EXPECT_EQ(equip.registerValue(201), 1);
}

TEST_F(EquipCommSerial, RefusedWriteFailsEvenWhenTheValueIsAlreadyThere)
{
    open();
    device.set(208, 1);
    device.refused.insert(208);
    ASSERT_TRUE(equip.readRegisters(208, 1));
    EXPECT_FALSE(equip.writeRegister(208, 1, false, true));
    const std::uint16_t values[] = {0, 1};
    EXPECT_FALSE(equip.writeRegisters(207, values, false, true));
}

TEST_F(EquipCommSerial, WriteRegistersIsOneBlockAndOneRead)
{
    open();
    const std::uint16_t password[] = {'Q', 'W', 'K', 'Z'};
    ASSERT_TRUE(equip.writeRegisters(1600, password));
    const auto requests = pty.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].size(), 2u * 4 + 9);
    EXPECT_EQ(requests[0], withCrc({0x01, 0x10, 0x06, 0x40, 0x00, 0x04, 0x08, 0, 'Q', 0, 'W', 0, 'K', 0, 'Z'}));
    EXPECT_EQ(requests[1], withCrc({0x01, 0x03, 0x06, 0x40, 0x00, 0x04}));
    EXPECT_EQ(equip.image().Senha(3), 'Z');

    device.sticky.insert(1602);
    const std::uint16_t other[] = {'A', 'B', 'C', 'D'};
    EXPECT_FALSE(equip.writeRegisters(1600, other));
}

TEST_F(EquipCommSerial, SendCommandChecksOnlyFunctionAndAddressOfTheEcho)
{
    open();
    device.commandEcho = 0x1234;
    ASSERT_TRUE(equip.sendCommand(100));
    EXPECT_EQ(pty.requests().at(0), (Bytes{0x01, 0x06, 0x0B, 0xB8, 0x00, 0x64, 0x0A, 0x20}));
    EXPECT_EQ(pty.requests().size(), 1u); // no read-back

    device.refused.insert(3000);
    EXPECT_FALSE(equip.sendCommand(100));
    EXPECT_EQ(describeLinkError(equip.lastError()), "exception 3");
}

TEST_F(EquipCommSerial, PCommandUsesTheOffsetAddress)
{
    open(kQLX700P);
    ASSERT_TRUE(equip.sendCommand(1000));
    EXPECT_EQ(pty.requests().at(0), (Bytes{0x01, 0x06, 0x8B, 0xB8, 0x03, 0xE8, 0x22, 0xB5}));
}

TEST_F(EquipCommSerial, SizesOutsideTheBuffersAreRefusedWithoutSending)
{
    open();
    EXPECT_FALSE(equip.readRegisters(1, 0));
    EXPECT_FALSE(equip.readRegisters(1, 148));
    EXPECT_FALSE(equip.writeRegisters(1, std::vector<std::uint16_t>(146, 1)));
    EXPECT_FALSE(equip.writeRegisters(1, std::vector<std::uint16_t>{}));
    EXPECT_TRUE(pty.requests().empty());
    EXPECT_TRUE(equip.readRegisters(1, 147));
}

TEST_F(EquipCommSerial, TimingsAndFlushesFollowTheLink)
{
    EXPECT_EQ(equip.readTimeout(), Seconds(0.025));
    EXPECT_FALSE(equip.flushQueuedReads());
    open();
    EXPECT_EQ(equip.readTimeout(), Seconds(2.0));
    EXPECT_EQ(equip.writeSettleDelay(), Seconds(0.15));
    EXPECT_TRUE(equip.linkOnSerialPort());
    EXPECT_TRUE(equip.flushQueuedReads());
    EXPECT_TRUE(equip.flushQueuedWrites());
    EXPECT_TRUE(pty.requests().empty());
    equip.close();
    EXPECT_FALSE(equip.connected());
    EXPECT_FALSE(equip.linkOnSerialPort());
    EXPECT_FALSE(equip.flushQueuedWrites());
}

TEST_F(EquipCommSerial, OpeningALinkForgetsThePreviousDevice)
{
    open();
    device.set(1600, 'Q');
    ASSERT_TRUE(equip.readRegisters(1600, 1));
    ASSERT_EQ(equip.image().Senha(0), 'Q');
    open();
    EXPECT_EQ(equip.registerValue(1600), 0);
    EXPECT_FALSE(equip.received(1600));
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

TEST(EquipCommBusy, TransactionStartedDuringAWaitFailsAtOnce)
{
    RegisterPeer device;
    device.set(201, 2);
    PtyPeer pty(device.handler());
    NestingPump pump;
    TEquipComm equip(pump);
    equip.setDeviceType(kQLX700T);
    ASSERT_TRUE(equip.openSerial(pty.path(), {}, false));

    struct Nested {
        const char* what;
        std::function<bool()> call;
    };
    const std::uint16_t values[] = {1, 2};
    const Nested cases[] = {
        {"read", [&] { return equip.readRegisters(1, 1); }},
        {"write", [&] { return equip.writeRegister(1, 7); }},
        {"block write", [&] { return equip.writeRegisters(1, values); }},
        {"command", [&] { return equip.sendCommand(100); }},
    };
    for (const Nested& n : cases) {
        pty.clearRequests();
        bool nested = true;
        pump.duringWait = [&] { nested = n.call(); };
        EXPECT_TRUE(equip.writeRegister(201, 3)) << n.what;
        EXPECT_FALSE(nested) << n.what;
        ASSERT_EQ(pty.requests().size(), 2u) << n.what; // only the write and its read-back
        EXPECT_EQ(pty.requests()[0][1], 6) << n.what;
        device.set(201, 2);
        ASSERT_TRUE(equip.readRegisters(201, 1));
    }
    EXPECT_TRUE(equip.readRegisters(201, 1)); // the flag is released afterwards
}
