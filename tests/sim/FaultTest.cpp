// Every fault of --faults, seen from a client.
#include "SimServer.h"
#include "SimWire.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>

using namespace simtest;

namespace {

using Clock = std::chrono::steady_clock;

class Faults : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim = qlxsim::SimServer::start({.model = "T", .seed = 7}, {.serial = true, .udp = true, .tcp = true});
        line = std::make_unique<SerialClient>(sim->serialPath());
        serial = std::make_unique<RtuMaster>(*line, false);
        udp = std::make_unique<UdpClient>(sim->udpPort());
        datagram = std::make_unique<RtuMaster>(*udp, true);
    }
    // No reply came to the last request: the next one, once faults are off, is
    // answered and its reply is the first thing on the line.
    void expectNothingBefore(const RtuMaster& master, std::uint64_t requests)
    {
        ASSERT_TRUE(sim->waitForRequests(requests, 2000ms));
        sim->setFaults("");
        EXPECT_EQ(master.read(2002, 1).values, std::vector<std::uint16_t>{23847});
    }

    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<SerialClient> line;
    std::unique_ptr<RtuMaster> serial;
    std::unique_ptr<UdpClient> udp;
    std::unique_ptr<RtuMaster> datagram;
};

} // namespace

TEST_F(Faults, DropLeavesRequestsUnanswered)
{
    sim->setFaults("drop");
    line->send(rtu({1, 3, 0, 201, 0, 1}));
    expectNothingBefore(*serial, 1);
}

TEST_F(Faults, RandomDropsRepeatWithTheSeed)
{
    auto pattern = [](std::uint64_t seed) {
        auto s = qlxsim::SimServer::start({.model = "T", .faults = "drop=0.5", .seed = seed}, {.udp = true});
        UdpClient c(s->udpPort());
        std::string answered;
        for (int i = 0; i < 16; ++i) {
            c.send(rtu({1, 3, 0, 201, 0, 1}));
            EXPECT_TRUE(s->waitForRequests(static_cast<std::uint64_t>(i + 1), 2000ms));
            // The reply, if any, left in the same turn that counted the request.
            answered += c.receiveDatagram(i == 0 ? 200ms : 50ms).empty() ? '-' : 'R';
        }
        return answered;
    };
    const std::string first = pattern(11);
    EXPECT_EQ(first, pattern(11));
    EXPECT_NE(first.find('-'), std::string::npos);
    EXPECT_NE(first.find('R'), std::string::npos);
}

TEST_F(Faults, BadCrcExceptionAndByteCounts)
{
    sim->setFaults("badcrc");
    const Bytes good = rtu({1, 3, 2, 0, 0});
    Bytes reply = serial->read(201, 1).raw;
    ASSERT_EQ(reply.size(), 7u);
    EXPECT_NE(reply, good);
    EXPECT_EQ(Bytes(reply.begin(), reply.end() - 1), Bytes(good.begin(), good.end() - 1));

    sim->setFaults("exception=3");
    EXPECT_EQ(serial->write(201, 2).raw, rtu({1, 0x86, 3}));
    EXPECT_EQ(sim->reg(201), 0) << "a request answered with an exception is not carried out";

    sim->setFaults("bad-bytecount");
    EXPECT_EQ(datagram->read(201, 3).raw, rtu({1, 3, 8, 0, 0, 0, 20, 0, 20}));
    sim->setFaults("short-reply");
    EXPECT_EQ(datagram->read(201, 3).raw, rtu({1, 3, 4, 0, 0, 0, 20}));
    sim->setFaults("duplicate");
    udp->send(rtu({1, 3, 0, 201, 0, 1}));
    EXPECT_EQ(udp->receiveDatagram(), rtu({1, 3, 2, 0, 0}));
    EXPECT_EQ(udp->receiveDatagram(), rtu({1, 3, 2, 0, 0})) << "the same reply once more";
    sim->setFaults("oversize-datagram");
    udp->send(rtu({1, 3, 0, 201, 0, 1}));
    const Bytes big = udp->receiveDatagram();
    ASSERT_EQ(big.size(), 400u);
    EXPECT_EQ(Bytes(big.begin(), big.begin() + 7), rtu({1, 3, 2, 0, 0}));
}

TEST_F(Faults, SlowRepliesWaitAtLeastTheDelay)
{
    sim->setFaults("slow=300ms");
    const auto t0 = Clock::now();
    EXPECT_TRUE(datagram->read(2002, 1).ok());
    EXPECT_GE(Clock::now() - t0, 300ms);
}

TEST_F(Faults, SilentAfterAndSilentFor)
{
    sim->setFaults("silent-after=2");
    EXPECT_TRUE(serial->read(2002, 1).ok());
    EXPECT_TRUE(serial->read(2002, 1).ok());
    line->send(rtu({1, 3, 0, 201, 0, 1}));
    expectNothingBefore(*serial, 3);

    sim->setFaults("silent-after=0,silent-for=300ms");
    const auto t0 = Clock::now();
    udp->send(rtu({1, 3, 0, 201, 0, 1}));
    EXPECT_TRUE(udp->receiveDatagram(100ms).empty());
    EXPECT_TRUE(eventually([&] { return datagram->read(2002, 1).ok(); }));
    EXPECT_GE(Clock::now() - t0, 300ms);
}

TEST_F(Faults, WritesThatDoNotStick)
{
    sim->setFaults("ignore-writes");
    EXPECT_EQ(serial->write(201, 2).raw, rtu({1, 6, 0, 201, 0, 2})) << "acknowledged";
    EXPECT_EQ(serial->read(201, 1).values, std::vector<std::uint16_t>{0}) << "but not kept";
}

TEST_F(Faults, OneRefusedRegister)
{
    sim->setFaults("refuse=201");
    EXPECT_EQ(serial->write(201, 2).raw, rtu({1, 0x86, 3})) << "refused as a value out of range";
    EXPECT_EQ(serial->write(202, 5).raw, rtu({1, 6, 0, 202, 0, 5})) << "the others are taken";
    EXPECT_EQ(sim->reg(201), 0);
    EXPECT_EQ(sim->reg(202), 5);
}

TEST_F(Faults, TcpSplitResetOversizeAndExceptionStatus)
{
    sim->setFaults("split");
    {
        // The halves leave 10 ms apart; a reader that is itself held up may see
        // them as one, so a few tries are allowed to catch the first half alone.
        TcpClient tcp(sim->tcpPort());
        bool halfSeen = false;
        for (std::uint16_t attempt = 0; attempt < 5 && !halfSeen; ++attempt) {
            tcp.send(asyncFrame(1, attempt, 1, {2002}));
            std::uint8_t buf[64];
            const ssize_t first = recv(tcp.fd(), buf, sizeof buf, 0);
            ASSERT_TRUE(first == 8 || first == 16) << first;
            halfSeen = first == 8;
            if (halfSeen) {
                EXPECT_EQ(tcp.receive(8).size(), 8u);
            }
        }
        EXPECT_TRUE(halfSeen);
    }
    sim->setFaults("reset-after=1");
    {
        TcpClient tcp(sim->tcpPort());
        tcp.send(asyncFrame(1, 1, 1, {2002}));
        EXPECT_FALSE(tcp.receiveFrame().empty());
        tcp.send(asyncFrame(1, 2, 1, {2002}));
        std::uint8_t buf[16];
        pollfd p{tcp.fd(), POLLIN, 0};
        ASSERT_EQ(poll(&p, 1, 2000), 1);
        EXPECT_EQ(recv(tcp.fd(), buf, sizeof buf, 0), -1);
        EXPECT_EQ(errno, ECONNRESET);
    }
    sim->setFaults("oversize-frame");
    {
        TcpClient tcp(sim->tcpPort());
        tcp.send(asyncFrame(1, 3, 1, {2002}));
        const Bytes reply = tcp.receive(6);
        ASSERT_EQ(reply.size(), 6u);
        EXPECT_EQ(le16(reply, 4), 2100);
    }
    sim->setFaults("exception=2,bad-bytecount");
    {
        TcpClient tcp(sim->tcpPort());
        tcp.send(asyncFrame(10, 4, 1, {201, 1}));
        EXPECT_EQ(tcp.receiveFrame(), asyncFrame(10, 4, 2, {}));
        tcp.send(asyncFrame(1, 5, 1, {2002}));
        EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 5, 2, {2002, 23847})) << "count 2, one pair";
    }
}

TEST_F(Faults, TcpNeverAccepting)
{
    sim->setFaults("no-accept");
    TcpClient tcp(sim->tcpPort(), false);
    EXPECT_FALSE(tcp.connected(300ms));
    EXPECT_EQ(sim->tcpAcceptCount(), 0u);
}

TEST_F(Faults, UnsolicitedRegisterData)
{
    sim->setFaults("unsolicited=50ms");
    TcpClient tcp(sim->tcpPort());
    const Bytes frame = tcp.receiveFrame();
    ASSERT_GE(frame.size(), 12u);
    EXPECT_EQ(le16(frame, 6), 2);
    EXPECT_EQ(le16(frame, 8), 0xFFFF);
    const auto pairs = asyncPairs(frame);
    ASSERT_EQ(pairs.size(), le16(frame, 10));
    EXPECT_EQ(pairs.front().first, 501);
    EXPECT_GT(pairs.front().second, 1500) << "winding 1 temperature";
}

TEST_F(Faults, BadListsAreRefused)
{
    for (const char* bad : {"drop=2", "slow=3h", "nonsense", "split=1", "exception=0", "silent-after=x"})
        EXPECT_THROW(sim->setFaults(bad), std::invalid_argument) << bad;
}
