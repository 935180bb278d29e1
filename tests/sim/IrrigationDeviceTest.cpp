// QLX700-IRR: record window, commands and Wi-Fi registers.
#include "ModelFixture.h"

using namespace simtest;

namespace {

class IrrigationDevice : public ModelFixture {
protected:
    std::string recordText()
    {
        const auto w = master->read(4002, 36).values;
        std::string text;
        for (auto v : w) {
            text.push_back(static_cast<char>(v & 0xFF));
            text.push_back(static_cast<char>(v >> 8));
        }
        return text;
    }
};

} // namespace

TEST_F(IrrigationDevice, RecordWindowSelectsAndRefuses)
{
    start({.model = "IRR"});
    ASSERT_TRUE(master->write(4000, 2).ok());
    EXPECT_EQ(read1(4000), 2);
    const std::string text = recordText();
    ASSERT_EQ(text.size(), 72u);
    EXPECT_NE(text[0], '\0') << "time field";
    EXPECT_NE(text[18], '\0') << "pluviometer field";
    EXPECT_NE(text.substr(36, 18).find(" L"), std::string::npos) << "hydrometer field: " << text.substr(36, 18);

    // Record 3 of 3 does not exist: exception, and 4000 no longer reads the number asked.
    EXPECT_EQ(master->write(4000, 3).exception, 3);
    EXPECT_NE(read1(4000), 3);

    // Over TCP the refusal is a non-zero status.
    auto tcpSim = qlxsim::SimServer::start({.model = "IRR", .preset = "irr-records-0"}, {.tcp = true});
    TcpClient tcp(tcpSim->tcpPort());
    tcp.send(asyncFrame(10, 9, 1, {4000, 0}));
    const Bytes reply = tcp.receiveFrame();
    ASSERT_EQ(reply.size(), 12u);
    EXPECT_NE(le16(reply, 10), 0);
}

TEST_F(IrrigationDevice, RecordPresets)
{
    start({.model = "IRR", .preset = "irr-records-55"});
    EXPECT_TRUE(master->write(4000, 54).ok());
    EXPECT_EQ(master->write(4000, 55).exception, 3);
    ASSERT_TRUE(master->write(3000, 1130).ok());
    EXPECT_EQ(master->write(4000, 0).exception, 3) << "command 1130 erased the records";

    sim->applyPreset("irr-record-full-field");
    ASSERT_TRUE(master->write(4000, 0).ok());
    EXPECT_EQ(recordText().substr(0, 18).find('\0'), std::string::npos);
    sim->applyPreset("irr-record-zero-temperature");
    ASSERT_TRUE(master->write(4000, 0).ok());
    EXPECT_EQ(recordText().substr(54, 18), std::string(18, '\0'));
}

TEST_F(IrrigationDevice, CommandsDriveOutputsAndTotals)
{
    start({.model = "IRR"});
    ASSERT_TRUE(master->write(211, 0b101).ok());
    ASSERT_TRUE(master->write(3000, 1110).ok());
    EXPECT_TRUE(eventually([&] { return master->read(1100, 6).values == std::vector<std::uint16_t>{1, 1, 0, 1, 0, 0}; }))
        << "pump and branches 1 and 3";
    ASSERT_TRUE(master->write(3000, 1111).ok());
    EXPECT_TRUE(eventually([&] { return read1(1100) == 0; }));

    ASSERT_TRUE(master->write(3000, 1140).ok());
    EXPECT_EQ(read1(1001) & 0x20, 0x20) << "emergency bit";
    ASSERT_TRUE(master->write(3000, 1120).ok());
    EXPECT_EQ(read1(1001) & 0x30, 0) << "unblocked";

    EXPECT_TRUE(eventually([&] { return read1(1002) > 0; }))
        << "the pluviometer counts";
    ASSERT_TRUE(master->write(3000, 1101).ok());
    EXPECT_EQ(master->read(1002, 2).values, (std::vector<std::uint16_t>{0, 0}));
}

TEST_F(IrrigationDevice, WifiRegistersAndSignalPresets)
{
    start({.model = "IRR", .preset = "irr-signal-65"});
    EXPECT_EQ(master->read(1720, 3).values, (std::vector<std::uint16_t>{'S' | 's' << 8, 'i' | 'd' << 8, 0}));
    EXPECT_EQ(master->read(1760, 3).values, (std::vector<std::uint16_t>{43101, 502, 503}));
    EXPECT_EQ(read1(1780), static_cast<std::uint16_t>(-65));
    EXPECT_EQ(read1(1), 360) << "cycle 1 start, the serial presence test";
}
