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

TEST(SerialPortTest, ReadsStopAtTheWantedCountAndAtMost2048)
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
