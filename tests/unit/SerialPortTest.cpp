#include "link/SerialPort.h"
#include "support/PtyPeer.h"
#include "support/RecordingPump.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

PtyPeer silentPeer()
{
    return PtyPeer([](const Bytes&) { return Bytes{}; });
}

// Records the deadlines the port waits for and only glances at what is there now, so
// a test can check from when a silence is counted without waiting it out.
class GlancingPump final : public EventPump {
public:
    short waitReady(int fd, short events, Deadline deadline) override
    {
        waits.push_back(deadline);
        return real_.waitReady(fd, events, LinkClock::now());
    }
    void sleepUntil(Deadline deadline) override { waits.push_back(deadline); }
    void watchSocket(int, SocketEventSink&, bool) override {}
    void unwatchSocket(int) override {}
    void runUntil(const std::function<bool()>&, Deadline) override {}

    std::vector<Deadline> waits;

private:
    PollEventPump real_;
};

Deadline after(Deadline from, Seconds span)
{
    return from + std::chrono::duration_cast<LinkClock::duration>(span);
}

void waitReadable(int fd)
{
    pollfd p{fd, POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, 5000), 1);
}

} // namespace

TEST(SerialPortTest, MissingPortIsTriedThreeTimes)
{
    RecordingPump pump;
    SerialPort port(pump);
    EXPECT_FALSE(port.open("/dev/qlx700-no-such-port", {}));
    ASSERT_EQ(pump.pauses.size(), 2u);
    EXPECT_EQ(pump.pauses[0], std::chrono::milliseconds(500));
    EXPECT_EQ(pump.pauses[1], std::chrono::milliseconds(1000));
    EXPECT_EQ(port.lastOpenError(), ENOENT);
    EXPECT_FALSE(port.isOpen());
}

TEST(SerialPortTest, RefusesWhatIsNotAPort)
{
    PollEventPump pump;
    SerialPort port(pump);
    EXPECT_FALSE(port.open("/dev/null", {}));
    EXPECT_FALSE(port.open("/dev/null", {-9600, 0, 0}));
}

TEST(SerialPortTest, ParityAndStopBitCodes)
{
    struct Case {
        std::uint8_t parity, stop;
        tcflag_t parityBits;
        bool twoStop;
    };
    const Case cases[] = {
        {0, 0, 0, false},
        {1, 0, PARENB, false},
        {2, 2, PARENB | PARODD, true},
        {3, 3, PARENB | PARODD, true}, // unknown codes keep what the driver had
        {0, 1, 0, true},               // 1.5 stop bits do not exist: keep the driver's
    };
    for (const Case& c : cases) {
        termios t{};
        t.c_cflag = PARENB | PARODD | CSTOPB | CRTSCTS | CS7;
        t.c_iflag = IXON | IXOFF;
        applySerialSettings(t, B19200, {19200, c.parity, c.stop});
        EXPECT_EQ(t.c_cflag & (PARENB | PARODD), c.parityBits) << int(c.parity);
        EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.twoStop) << int(c.stop);
        EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
        EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B19200));
    }
}

TEST(SerialPortTest, OpenAppliesSpeedAndStopBitsToThePort)
{
    PtyPeer peer = silentPeer();
    PollEventPump pump;
    SerialPort port(pump);
    ASSERT_TRUE(port.open(peer.path(), {115200, 1, 2}));
    termios t{};
    ASSERT_EQ(tcgetattr(port.fd(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B115200));
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    port.close();
    EXPECT_FALSE(port.open(peer.path(), {12345, 0, 0})); // no such speed
}

// Another copy of the tool is kept out whoever runs it: TIOCEXCL alone lets root in,
// the advisory lock does not. A program that ignores both is kept out too where it
// is not root.
TEST(SerialPortTest, OpenIsExclusive)
{
    PtyPeer peer = silentPeer();
    PollEventPump pump;
    SerialPort first(pump);
    ASSERT_TRUE(first.open(peer.path(), {}));
    SerialPort second(pump);
    EXPECT_FALSE(second.open(peer.path(), {}));
    EXPECT_EQ(second.lastOpenError(), EBUSY);
    if (geteuid() != 0) {
        const int other = ::open(peer.path().c_str(), O_RDWR | O_NOCTTY);
        EXPECT_LT(other, 0);
        if (other >= 0)
            ::close(other);
    }
    first.close();
    EXPECT_TRUE(second.open(peer.path(), {}));
}

TEST(SerialPortTest, ReadsEndOnceTheWantedCountCameAndTakeAtMost2048)
{
    PtyPeer peer = silentPeer();
    PollEventPump pump;
    SerialPort port(pump);
    ASSERT_TRUE(port.open(peer.path(), {}));

    std::vector<std::uint8_t> buffer(5000);
    peer.sendRaw(Bytes(3000, 0x55));
    EXPECT_EQ(port.read(buffer.data(), buffer.size(), 5000, deadlineAfter(std::chrono::milliseconds(300))), 2048u);
    port.drain();

    // All ten bytes arrive long before the deadline: the read must not wait for it.
    peer.sendRaw(Bytes(10, 0x11));
    const auto start = LinkClock::now();
    EXPECT_EQ(port.read(buffer.data(), buffer.size(), 10, deadlineAfter(std::chrono::seconds(30))), 10u);
    EXPECT_LT(LinkClock::now() - start, std::chrono::seconds(20));

    // Never more than the buffer holds.
    peer.sendRaw(Bytes(40, 0x22));
    std::uint8_t small[16];
    EXPECT_EQ(port.read(small, sizeof small, 40, deadlineAfter(std::chrono::milliseconds(300))), 16u);
}

TEST(SerialPortTest, ShortCountAtTheDeadlineAndDrain)
{
    PtyPeer peer = silentPeer();
    PollEventPump pump;
    SerialPort port(pump);
    ASSERT_TRUE(port.open(peer.path(), {}));
    std::uint8_t buffer[64];
    peer.sendRaw(Bytes{1, 2, 3});
    EXPECT_EQ(port.read(buffer, sizeof buffer, 8, deadlineAfter(std::chrono::milliseconds(200))), 3u);

    peer.sendRaw(Bytes{9, 9, 9, 9});
    // Wait until the bytes are there, then drain them.
    ASSERT_NE(pump.waitReady(port.fd(), POLLIN, deadlineAfter(std::chrono::seconds(5))) & POLLIN, 0);
    port.drain();
    EXPECT_EQ(port.read(buffer, sizeof buffer, 1, deadlineAfter(std::chrono::milliseconds(50))), 0u);
}

TEST(SerialPortTest, BlockedWriteGivesUp)
{
    // Nobody reads the other end, so the line fills up and the write blocks.
    int master = -1, slave = -1;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    ASSERT_EQ(openpty(&master, &slave, name, &raw, nullptr), 0);
    PollEventPump pump;
    SerialPort port(pump);
    ASSERT_TRUE(port.open(name, {}));
    const std::vector<std::uint8_t> big(1 << 20, 0x33);
    EXPECT_FALSE(port.write(big.data(), big.size()));
    port.close();
    ::close(slave);
    ::close(master);
}

TEST(SerialPortTest, CharacterTimeAndFrameGapFollowTheFormat)
{
    struct Case {
        SerialLinkSettings settings;
        double bits;
        double gap;
    };
    const Case cases[] = {
        {{9600, 0, 0}, 10, 3.5 * 10 / 9600},  // 8N1
        {{9600, 1, 0}, 11, 3.5 * 11 / 9600},  // 8E1
        {{9600, 2, 0}, 11, 3.5 * 11 / 9600},  // 8O1
        {{9600, 0, 2}, 11, 3.5 * 11 / 9600},  // 8N2
        {{19200, 0, 0}, 10, 3.5 * 10 / 19200},
        {{38400, 0, 0}, 10, 0.00175}, // above 19200 baud the gap is fixed
        {{115200, 1, 0}, 11, 0.00175},
    };
    PtyPeer peer = silentPeer();
    PollEventPump pump;
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(characterBits(c.settings), c.bits);
        // This kernel's pseudo-terminals refuse parity; the port's own timing is
        // checked with the formats they take.
        if (c.settings.parity != 0)
            continue;
        SerialPort port(pump);
        ASSERT_TRUE(port.open(peer.path(), c.settings)) << c.settings.baudRate;
        EXPECT_DOUBLE_EQ(port.characterTime().count(), c.bits / c.settings.baudRate);
        EXPECT_DOUBLE_EQ(port.frameGap().count(), c.gap) << c.settings.baudRate;
    }
}

// The silence before a request counts from the last byte the line carried, not from
// the moment the request is asked for; a line quiet long enough costs no wait.
TEST(SerialPortTest, SilenceCountsFromTheLastByteTheLineCarried)
{
    PtyPeer peer = silentPeer();
    GlancingPump pump;
    SerialPort port(pump);
    ASSERT_TRUE(port.open(peer.path(), {9600, 0, 0}));
    const Deadline opened = LinkClock::now();
    const Seconds quiet{3600};

    // Nothing since the open: the silence ends an hour after the open, whenever asked.
    port.drain(quiet);
    ASSERT_EQ(pump.waits.size(), 1u);
    EXPECT_LE(pump.waits[0], after(opened, quiet));

    // Bytes that arrive are discarded and restart the silence from when they were read.
    peer.sendRaw(Bytes{1, 2, 3});
    waitReadable(port.fd());
    const Deadline beforeRead = LinkClock::now();
    port.drain(quiet);
    ASSERT_EQ(pump.waits.size(), 3u);
    EXPECT_GE(pump.waits[2], after(beforeRead, quiet));
    std::uint8_t byte = 0;
    EXPECT_EQ(port.read(&byte, 1, 1, LinkClock::now()), 0u) << "drained";

    // A line quiet longer than asked is only looked at, not waited on.
    const Deadline beforeQuickDrain = LinkClock::now();
    port.drain(Seconds{1e-6});
    EXPECT_LT(pump.waits.back(), beforeQuickDrain);

    // A request's bytes keep the line busy until the last leaves the wire.
    const Bytes request(96, 0x55); // 100 ms at 9600 baud, 8N1
    const Deadline beforeWrite = LinkClock::now();
    ASSERT_TRUE(port.write(request.data(), request.size()));
    port.drain(port.frameGap());
    EXPECT_GE(pump.waits.back(), after(beforeWrite, 96.0 * port.characterTime() + port.frameGap()));
}
