// RTU over UDP and the asynchronous TCP framing, on loopback.
#include "SimServer.h"
#include "SimWire.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

std::unique_ptr<qlxsim::SimServer> startNet(const std::string& model, const std::string& faults = {})
{
    return qlxsim::SimServer::start({.model = model, .faults = faults}, {.udp = true, .tcp = true});
}

} // namespace

TEST(UdpTransport, OneFramePerDatagramAnsweredFromTheListeningPort)
{
    auto sim = startNet("T");
    UdpClient udp(sim->udpPort()); // connected: only datagrams from the listening port reach it
    RtuMaster master(udp, true);
    EXPECT_EQ(master.read(201, 3).raw, rtu({1, 3, 6, 0, 0, 0, 20, 0, 20}));
    EXPECT_EQ(master.write(201, 1).raw, rtu({1, 6, 0, 201, 0, 1})) << "write echoes are sent over UDP too";
    EXPECT_EQ(master.read(201, 1).values, std::vector<std::uint16_t>{1});
    EXPECT_EQ(master.write(1420, 0).exception, 3) << "Modbus address 0 is out of range";
}

TEST(TcpTransport, ReadGetsOneRegisterDataFrameWithTheSameSequence)
{
    auto sim = startNet("T");
    sim->setReg(2, 77);
    TcpClient tcp(sim->tcpPort());
    // The reference request: registers 1, 2, 3 with sequence 7.
    const Bytes request = asyncFrame(1, 7, 3, {1, 2, 3});
    ASSERT_EQ(request, (Bytes{0x5D, 0x73, 0x91, 0xAD, 0x0C, 0x00, 0x01, 0x00, 0x07, 0x00, 0x03, 0x00,
                              0x01, 0x00, 0x02, 0x00, 0x03, 0x00}));
    tcp.send(request);
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 7, 3, {1, 100, 2, 77, 3, 100}));
}

TEST(TcpTransport, WriteRepliesWithTheStatusWord)
{
    auto sim = startNet("T");
    TcpClient tcp(sim->tcpPort());
    tcp.send(asyncFrame(10, 0xFFFE, 2, {201, 2, 202, 30}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(10, 0xFFFE, 0, {}));
    EXPECT_EQ(sim->reg(201), 2);
    EXPECT_EQ(sim->reg(202), 30);
    // One pair refused (DeltaT 100 > 99): status non-zero, the other pair still applied.
    tcp.send(asyncFrame(10, 0xFFFF, 2, {203, 100, 204, 25}));
    const Bytes reply = tcp.receiveFrame();
    ASSERT_EQ(reply.size(), 12u);
    EXPECT_EQ(le16(reply, 6), 10);
    EXPECT_EQ(le16(reply, 8), 0xFFFF);
    EXPECT_NE(le16(reply, 10), 0);
    EXPECT_EQ(sim->reg(203), 20);
    EXPECT_EQ(sim->reg(204), 25);
    // Sequences wrap: 0 after 0xFFFF is echoed like any other.
    tcp.send(asyncFrame(1, 0, 1, {2002}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 0, 1, {2002, 23847}));
    // A command pair is applied and reported as accepted.
    tcp.send(asyncFrame(10, 1, 1, {3000, 5000}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(10, 1, 0, {}));
}

TEST(TcpTransport, ParallelismOffsetBothWaysAndCommandWithoutIt)
{
    auto sim = startNet("P");
    TcpClient tcp(sim->tcpPort());
    tcp.send(asyncFrame(1, 3, 2, {0x8001, 0x8000 + 2002}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 3, 2, {0x8001, 0, 0x8000 + 2002, 10146}));
    // Up arrives as (3000, 1000) without the offset; 0x8BB8 is accepted as well.
    tcp.send(asyncFrame(10, 4, 1, {3000, 1000}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(10, 4, 0, {}));
    EXPECT_EQ(sim->reg(501), 10);
    tcp.send(asyncFrame(10, 5, 1, {0x8BB8, 1000}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(10, 5, 0, {}));
    EXPECT_EQ(sim->reg(501), 11);
}

TEST(TcpTransport, FramesSplitAndOversizedAreHandled)
{
    auto sim = startNet("T");
    TcpClient tcp(sim->tcpPort());
    // A declared length above 2000 is no frame; the parser finds the next magic.
    Bytes junk{0x5D, 0x73, 0x91, 0xAD, 0xD1, 0x07, 1, 0, 9, 0};
    const Bytes request = asyncFrame(1, 8, 1, {2002});
    junk.insert(junk.end(), request.begin(), request.begin() + 5);
    tcp.send(junk);
    tcp.send(Bytes(request.begin() + 5, request.end()));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 8, 1, {2002, 23847}));
    EXPECT_EQ(sim->requestCount(), 1u);
}

TEST(TcpTransport, OneClientAtATimeThenTheNext)
{
    auto sim = startNet("T");
    auto first = std::make_unique<TcpClient>(sim->tcpPort());
    first->send(asyncFrame(1, 1, 1, {2002}));
    ASSERT_FALSE(first->receiveFrame().empty());
    TcpClient second(sim->tcpPort()); // queued by the kernel, not served yet
    second.send(asyncFrame(1, 2, 1, {2002}));
    first.reset();                    // the first client leaves
    EXPECT_EQ(second.receiveFrame(), asyncFrame(2, 2, 1, {2002, 23847}));
    EXPECT_EQ(sim->tcpAcceptCount(), 2u);
}
