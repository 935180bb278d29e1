// DeviceLink over UDP and TCP against the simulated device, with its faults.
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"

#include <gtest/gtest.h>

namespace {

class NetworkDeviceLinkTest : public ::testing::Test {
protected:
    void startSim(const std::string& model, const std::string& faults = {})
    {
        sim = qlxsim::SimServer::start({.model = model, .faults = faults}, {.udp = true, .tcp = true});
    }

    bool connectTcp()
    {
        if (!link.openTcp("127.0.0.1", "", sim->tcpPort()))
            return false;
        pump.runUntil([&] { return link.connected() || link.lastSocketError() != 0; }, deadlineAfter(Seconds(10)));
        return link.connected();
    }

    std::unique_ptr<qlxsim::SimServer> sim;
    PollEventPump pump;
    DeviceLink link{pump};
};

} // namespace

TEST_F(NetworkDeviceLinkTest, TcpFlushesTakeOneRoundTripEach)
{
    startSim("T");
    sim->setReg(2, 130);
    ASSERT_TRUE(connectTcp());
    const std::uint64_t before = sim->requestCount();
    EXPECT_TRUE(link.writeRegister(201, 1, true));
    EXPECT_TRUE(link.writeRegister(202, 20, true));
    ASSERT_TRUE(link.flushQueuedWrites());
    EXPECT_EQ(sim->requestCount() - before, 2u); // the write and its read-back
    EXPECT_EQ(sim->reg(201), 1);
    EXPECT_EQ(sim->reg(202), 20);
    EXPECT_EQ(link.registerValue(202), 20);

    EXPECT_TRUE(link.readRegisters(1, 10, true));
    EXPECT_TRUE(link.readRegisters(2000, 3, true));
    ASSERT_TRUE(link.flushQueuedReads());
    EXPECT_EQ(sim->requestCount() - before, 3u);
    EXPECT_EQ(link.registerValue(2), 130);
    EXPECT_EQ(link.registerValue(2002), kSignatureT);
}

TEST_F(NetworkDeviceLinkTest, TcpRepliesSplitInTwoSegmentsComplete)
{
    startSim("T", "split");
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(link.readRegisters(2002, 1));
    EXPECT_EQ(link.registerValue(2002), kSignatureT);
    EXPECT_TRUE(link.writeRegister(201, 2));
    EXPECT_EQ(sim->reg(201), 2);
}

TEST_F(NetworkDeviceLinkTest, TcpResetByTheDeviceEndsTheRequestAndAReconnectWorks)
{
    startSim("T", "reset-after=1");
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(link.readRegisters(2002, 1));
    const auto start = LinkClock::now();
    EXPECT_FALSE(link.readRegisters(2000, 1));
    EXPECT_LT(LinkClock::now() - start, std::chrono::seconds(4)); // before the 5 s time-out
    EXPECT_FALSE(link.connected());
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(link.readRegisters(2002, 1));
    EXPECT_EQ(sim->tcpAcceptCount(), 2u);
}

TEST_F(NetworkDeviceLinkTest, TcpOversizedFramesAreDroppedAndTheRequestTimesOut)
{
    startSim("T", "oversize-frame");
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(link.readRegisters(2002, 1, true));
    EXPECT_FALSE(link.flushQueuedReads(Seconds(0.3)));
    EXPECT_GE(link.asyncLink().droppedFrames(), 1u);
    EXPECT_TRUE(link.connected());
    sim->setFaults("");
    EXPECT_TRUE(link.readRegisters(2002, 1));
    EXPECT_EQ(link.registerValue(2002), kSignatureT);
}

TEST_F(NetworkDeviceLinkTest, TcpUnsolicitedRegisterDataArrivesWithoutARequest)
{
    startSim("T", "unsolicited=50ms");
    ASSERT_TRUE(connectTcp());
    pump.runUntil([&] { return link.asyncLink().lastReceivedSequence() == 0xFFFF; }, deadlineAfter(Seconds(10)));
    EXPECT_EQ(link.asyncLink().lastReceivedSequence(), 0xFFFF);
    EXPECT_EQ(sim->requestCount(), 0u);
}

// The device acknowledges the write but keeps its value: the read-back tells, on
// every link.
TEST_F(NetworkDeviceLinkTest, WritesThatDoNotStickFailOnEveryLink)
{
    startSim("T", "ignore-writes");
    sim->setReg(201, 0);
    ASSERT_TRUE(link.openUdp("127.0.0.1", "", sim->udpPort()));
    EXPECT_FALSE(link.writeRegister(201, 2));
    EXPECT_EQ(link.registerValue(201), 0);

    ASSERT_TRUE(connectTcp());
    EXPECT_FALSE(link.writeRegister(201, 2));
    EXPECT_EQ(link.lastError().fault, LinkFault::ReadBackDiffers);
    EXPECT_EQ(link.registerValue(201), 0);
}

TEST_F(NetworkDeviceLinkTest, TcpWriteStatusFromTheDeviceFailsWritesAndCommands)
{
    startSim("T", "exception=3");
    ASSERT_TRUE(connectTcp());
    EXPECT_FALSE(link.writeRegister(201, 2));
    EXPECT_FALSE(link.sendCommand(100));
    EXPECT_TRUE(link.readRegisters(2002, 1));
}

TEST_F(NetworkDeviceLinkTest, UdpDatagramLongerThanTheReplyBufferIsAFailedReply)
{
    startSim("T", "oversize-datagram");
    ASSERT_TRUE(link.openUdp("127.0.0.1", "", sim->udpPort()));
    EXPECT_FALSE(link.readRegisters(2002, 1));
    sim->setFaults("");
    EXPECT_TRUE(link.readRegisters(2002, 1));
    EXPECT_EQ(link.registerValue(2002), kSignatureT);
}

TEST_F(NetworkDeviceLinkTest, ParallelismModelOverTcp)
{
    startSim("P");
    link.setDeviceType(kQLX700P);
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(link.readRegisters(2002, 1));
    EXPECT_EQ(link.registerValue(2002), kSignatureP);
    const std::vector<std::uint16_t> values{3, 4};
    EXPECT_TRUE(link.writeRegisters(1, values));
    EXPECT_EQ(sim->reg(1), 3);
    EXPECT_EQ(sim->reg(2), 4);
    EXPECT_TRUE(link.sendCommand(0));
}
