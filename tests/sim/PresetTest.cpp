// Every scenario preset starts on its model and shows what it promises.
#include "ScenarioPreset.h"
#include "SimServer.h"
#include "SimWire.h"

#include <gtest/gtest.h>

using namespace simtest;

TEST(Presets, EachPresetShowsItsRegistersOnItsModel)
{
    for (const auto& preset : qlxsim::ScenarioPreset::all()) {
        SCOPED_TRACE(preset.name);
        const std::string model = preset.model.empty() ? "T" : preset.model;
        const std::uint16_t offset = model == "P" ? 0x8000 : 0;
        auto sim = qlxsim::SimServer::start({.model = model, .preset = preset.name}, {.udp = true, .tcp = true});
        sim->setFaults(""); // the registers are the point here; the faults have their own tests
        UdpClient udp(sim->udpPort());
        RtuMaster master(udp, true);
        for (const auto& [reg, value] : preset.registers)
            EXPECT_EQ(master.read(static_cast<std::uint16_t>(offset + reg), 1).values, std::vector<std::uint16_t>{value})
                << "register " << reg;
        if (preset.events >= 0) {
            EXPECT_EQ(master.read(1800, 1).values, std::vector<std::uint16_t>{static_cast<std::uint16_t>(preset.events)});
        }
        if (preset.records > 0) {
            EXPECT_TRUE(master.write(4000, static_cast<std::uint16_t>(preset.records - 1)).ok());
            EXPECT_EQ(master.write(4000, static_cast<std::uint16_t>(preset.records)).exception, 3);
        } else if (preset.records == 0) {
            EXPECT_EQ(master.write(4000, 0).exception, 3);
        }
    }
}

TEST(Presets, PresetFaultsAreSwitchedOn)
{
    auto sim = qlxsim::SimServer::start({.model = "T", .preset = "exception-reply"}, {.udp = true});
    UdpClient udp(sim->udpPort());
    EXPECT_EQ(RtuMaster(udp, true).read(2002, 1).exception, 2);
    sim->applyPreset("bad-crc");
    const Bytes reply = RtuMaster(udp, true).read(2002, 1).raw;
    ASSERT_EQ(reply.size(), 5u);
    EXPECT_NE(reply, rtu({1, 0x83, 2})) << "the exception now comes with a broken CRC";
}

TEST(Presets, SignatureOnlyAnswersTheSignatureAndNothingElse)
{
    auto sim = qlxsim::SimServer::start({.model = "P", .preset = "signature-only"}, {.serial = true, .tcp = true});
    SerialClient line(sim->serialPath());
    RtuMaster master(line, false);
    EXPECT_EQ(master.read(0x8000 + 2002, 1).values, std::vector<std::uint16_t>{10146});
    line.send(rtu({1, 3, 0x80, 201, 0, 1}));
    ASSERT_TRUE(sim->waitForRequests(2, 2000ms));
    // The signature read that follows is the first reply on the line.
    EXPECT_EQ(master.read(0x8000 + 2002, 1).values, std::vector<std::uint16_t>{10146});

    TcpClient tcp(sim->tcpPort());
    tcp.send(asyncFrame(1, 1, 1, {0x8000 + 201}));
    tcp.send(asyncFrame(1, 2, 1, {0x8000 + 2002}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 2, 1, {0x8000 + 2002, 10146}));
}

TEST(Presets, UnknownAndForeignPresetsAreRefused)
{
    EXPECT_THROW(qlxsim::SimServer::start({.model = "T", .preset = "no-such"}, {.udp = true}), std::invalid_argument);
    EXPECT_THROW(qlxsim::SimServer::start({.model = "R", .preset = "t-events-25"}, {.udp = true}), std::invalid_argument);
    EXPECT_NO_THROW(qlxsim::SimServer::start({.model = "T-membrane", .preset = "t-events-25"}, {.udp = true}));
}
