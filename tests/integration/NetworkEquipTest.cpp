// TEquipComm over UDP and TCP against the simulated device, with its faults.
#include "SimServer.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "link/PollEventPump.h"

#include <gtest/gtest.h>

namespace {

class NetworkEquipTest : public ::testing::Test {
protected:
    void startSim(const std::string& model, const std::string& faults = {})
    {
        sim = qlxsim::SimServer::start({.model = model, .faults = faults}, {.udp = true, .tcp = true});
    }

    bool connectTcp()
    {
        if (!equip.openTcp("127.0.0.1", "", sim->tcpPort()))
            return false;
        pump.runUntil([&] { return equip.connected() || equip.lastSocketError() != 0; }, deadlineAfter(Seconds(10)));
        return equip.connected();
    }

    std::unique_ptr<qlxsim::SimServer> sim;
    PollEventPump pump;
    TEquipComm equip{pump};
};

} // namespace

TEST_F(NetworkEquipTest, TcpFlushesTakeOneRoundTripEach)
{
    startSim("T");
    sim->setReg(2, 130);
    ASSERT_TRUE(connectTcp());
    const std::uint64_t before = sim->requestCount();
    EXPECT_TRUE(equip.writeRegister(201, 1, true));
    EXPECT_TRUE(equip.writeRegister(202, 20, true));
    ASSERT_TRUE(equip.flushQueuedWrites());
    EXPECT_EQ(sim->requestCount() - before, 2u); // the write and its read-back
    EXPECT_EQ(sim->reg(201), 1);
    EXPECT_EQ(sim->reg(202), 20);
    EXPECT_EQ(equip.registerValue(202), 20);

    EXPECT_TRUE(equip.readRegisters(1, 10, true));
    EXPECT_TRUE(equip.readRegisters(2000, 3, true));
    ASSERT_TRUE(equip.flushQueuedReads());
    EXPECT_EQ(sim->requestCount() - before, 3u);
    EXPECT_EQ(equip.registerValue(2), 130);
    EXPECT_EQ(equip.registerValue(2002), kSignatureT);
}

TEST_F(NetworkEquipTest, TcpRepliesSplitInTwoSegmentsComplete)
{
    startSim("T", "split");
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(equip.readRegisters(2002, 1));
    EXPECT_EQ(equip.registerValue(2002), kSignatureT);
    EXPECT_TRUE(equip.writeRegister(201, 2));
    EXPECT_EQ(sim->reg(201), 2);
}

TEST_F(NetworkEquipTest, TcpResetByTheDeviceEndsTheRequestAndAReconnectWorks)
{
    startSim("T", "reset-after=1");
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(equip.readRegisters(2002, 1));
    const auto start = LinkClock::now();
    EXPECT_FALSE(equip.readRegisters(2000, 1));
    EXPECT_LT(LinkClock::now() - start, std::chrono::seconds(4)); // before the 5 s time-out
    EXPECT_FALSE(equip.connected());
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(equip.readRegisters(2002, 1));
    EXPECT_EQ(sim->tcpAcceptCount(), 2u);
}

TEST_F(NetworkEquipTest, TcpOversizedFramesAreDroppedAndTheRequestTimesOut)
{
    startSim("T", "oversize-frame");
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(equip.readRegisters(2002, 1, true));
    EXPECT_FALSE(equip.flushQueuedReads(Seconds(0.3)));
    EXPECT_GE(equip.asyncLink().droppedFrames(), 1u);
    EXPECT_TRUE(equip.connected());
    sim->setFaults("");
    EXPECT_TRUE(equip.readRegisters(2002, 1));
    EXPECT_EQ(equip.registerValue(2002), kSignatureT);
}

TEST_F(NetworkEquipTest, TcpUnsolicitedRegisterDataArrivesWithoutARequest)
{
    startSim("T", "unsolicited=50ms");
    ASSERT_TRUE(connectTcp());
    pump.runUntil([&] { return equip.asyncLink().lastReceivedSequence() == 0xFFFF; }, deadlineAfter(Seconds(10)));
    EXPECT_EQ(equip.asyncLink().lastReceivedSequence(), 0xFFFF);
    EXPECT_EQ(sim->requestCount(), 0u);
}

// The device acknowledges the write but keeps its value: the read-back tells, on
// every link.
TEST_F(NetworkEquipTest, WritesThatDoNotStickFailOnEveryLink)
{
    startSim("T", "ignore-writes");
    sim->setReg(201, 0);
    ASSERT_TRUE(equip.openUdp("127.0.0.1", "", sim->udpPort()));
    EXPECT_FALSE(equip.writeRegister(201, 2));
    EXPECT_EQ(equip.registerValue(201), 0);

    ASSERT_TRUE(connectTcp());
    EXPECT_FALSE(equip.writeRegister(201, 2));
    EXPECT_EQ(equip.lastError().fault, LinkFault::ReadBackDiffers);
    EXPECT_EQ(equip.registerValue(201), 0);
}

TEST_F(NetworkEquipTest, TcpWriteStatusFromTheDeviceFailsWritesAndCommands)
{
    startSim("T", "exception=3");
    ASSERT_TRUE(connectTcp());
    EXPECT_FALSE(equip.writeRegister(201, 2));
    EXPECT_FALSE(equip.sendCommand(100));
    EXPECT_TRUE(equip.readRegisters(2002, 1));
}

TEST_F(NetworkEquipTest, UdpDatagramLongerThanTheReplyBufferIsAFailedReply)
{
    startSim("T", "oversize-datagram");
    ASSERT_TRUE(equip.openUdp("127.0.0.1", "", sim->udpPort()));
    EXPECT_FALSE(equip.readRegisters(2002, 1));
    sim->setFaults("");
    EXPECT_TRUE(equip.readRegisters(2002, 1));
    EXPECT_EQ(equip.registerValue(2002), kSignatureT);
}

TEST_F(NetworkEquipTest, ParallelismModelOverTcp)
{
    startSim("P");
    equip.setDeviceType(kQLX700P);
    ASSERT_TRUE(connectTcp());
    EXPECT_TRUE(equip.readRegisters(2002, 1));
    EXPECT_EQ(equip.registerValue(2002), kSignatureP);
    const std::vector<std::uint16_t> values{3, 4};
    EXPECT_TRUE(equip.writeRegisters(1, values));
    EXPECT_EQ(sim->reg(1), 3);
    EXPECT_EQ(sim->reg(2), 4);
    EXPECT_TRUE(equip.sendCommand(0));
}
