// The device's RTU side over a real pseudo-terminal: reference frames,
// exceptions, addressing and the parallelism model's register offset.
#include "SimServer.h"
#include "SimWire.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

struct SerialDevice {
    explicit SerialDevice(qlxsim::SimConfig config)
        : sim(qlxsim::SimServer::start(config, {.serial = true}))
        , line(sim->serialPath())
        , master(line, false)
    {
    }
    std::unique_ptr<qlxsim::SimServer> sim;
    SerialClient line;
    RtuMaster master;
};

} // namespace

TEST(RtuFrame, ReferenceFramesOfTheThermalRelay)
{
    SerialDevice d({.model = "T"});
    // Register 0 is not a register of the device; leniently it reads as 0.
    EXPECT_EQ(d.line.transact({0x01, 0x03, 0x00, 0x00, 0x00, 0x01, 0x84, 0x0A}, 7), rtu({1, 3, 2, 0, 0}));
    // 201..203: indication mode 0, DeltaT 20, 20.
    EXPECT_EQ(d.line.transact({0x01, 0x03, 0x00, 0xC9, 0x00, 0x03, 0xD5, 0xF5}, 11),
              rtu({1, 3, 6, 0, 0, 0, 20, 0, 20}));
    // Command 100 is echoed byte for byte.
    const Bytes command{0x01, 0x06, 0x0B, 0xB8, 0x00, 0x64, 0x0A, 0x20};
    EXPECT_EQ(d.line.transact(command, 8), command);
}

TEST(RtuFrame, ParallelismRegistersCarryTheOffset)
{
    SerialDevice d({.model = "P"});
    // Registers 1..3 (BusAddress 0, 1, 2) asked as 0x8001.
    EXPECT_EQ(d.line.transact({0x01, 0x03, 0x80, 0x01, 0x00, 0x03, 0x7D, 0xCB}, 11), rtu({1, 3, 6, 0, 0, 0, 1, 0, 2}));
    const Bytes up{0x01, 0x06, 0x8B, 0xB8, 0x03, 0xE8, 0x22, 0xB5};
    EXPECT_EQ(d.line.transact(up, 8), up);
    EXPECT_EQ(d.master.read(0x8000 + 2002, 1).values, std::vector<std::uint16_t>{10146});
}

TEST(RtuFrame, StrictDeviceRefusesUnknownRegistersAndFramesWithoutOffset)
{
    SerialDevice t({.model = "T", .strict = true});
    EXPECT_EQ(t.line.transact({0x01, 0x03, 0x00, 0x00, 0x00, 0x01, 0x84, 0x0A}, 5), (Bytes{0x01, 0x83, 0x02, 0xC0, 0xF1}));
    EXPECT_EQ(t.master.write(0, 5).exception, 2);
    EXPECT_EQ(t.master.writeMany(200, {1, 0}).exception, 2);
    EXPECT_EQ(t.sim->reg(201), 0) << "a refused block changes nothing";

    SerialDevice p({.model = "P", .strict = true});
    EXPECT_EQ(p.master.read(201, 1).exception, 2);
    EXPECT_TRUE(p.master.read(0x8000 + 201, 1).ok());
}

TEST(RtuFrame, ExceptionsForBadRequests)
{
    SerialDevice d({.model = "T"});
    struct Case {
        const char* what;
        Bytes request;
        int function;
        int code;
    };
    const Case cases[] = {
        {"function 4 is not served", rtu({1, 4, 0, 1, 0, 1}), 4, 1},
        {"a read of 0 registers", rtu({1, 3, 0, 1, 0, 0}), 3, 3},
        {"a read of 148 registers", rtu({1, 3, 0, 1, 0, 148}), 3, 3},
        {"a read past register 65535", rtu({1, 3, 0xFF, 0xFF, 0, 2}), 3, 2},
        {"a set point above 255", rtu({1, 6, 0, 1, 1, 0}), 6, 3},
        {"a block whose byte count disagrees", rtu({1, 16, 0, 1, 0, 2, 2, 0, 5}), 16, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(d.master.transact(c.request).raw,
                  rtu({1, static_cast<std::uint8_t>(c.function | 0x80), static_cast<std::uint8_t>(c.code)}))
            << c.what;
    }
    EXPECT_EQ(d.sim->reg(1), 100) << "the refused set point kept its value";
}

TEST(RtuFrame, WritesEchoAndReadBack)
{
    SerialDevice d({.model = "T"});
    EXPECT_EQ(d.master.write(201, 2).raw, rtu({1, 6, 0, 201, 0, 2}));
    EXPECT_EQ(d.master.writeMany(1, {90, 91, 92}).raw, rtu({1, 16, 0, 1, 0, 3}));
    EXPECT_EQ(d.master.read(1, 3).values, (std::vector<std::uint16_t>{90, 91, 92}));
    EXPECT_EQ(d.sim->reg(201), 2);
    // Writing an unchanged value is accepted (the tool forces some writes).
    EXPECT_TRUE(d.master.write(201, 2).ok());
}

TEST(RtuFrame, OtherAddressesAreIgnoredAndBroadcastsGetNoReply)
{
    SerialDevice d({.model = "T", .address = 7});
    d.line.send(rtu({1, 3, 0, 201, 0, 1}));      // another device's request
    d.line.send(rtu({0, 6, 0, 201, 0, 1}));      // broadcast write: carried out, not answered
    RtuMaster seven(d.line, false, 7);
    // The first bytes on the line are the reply to this request, so nothing came before it.
    EXPECT_EQ(seven.read(201, 1).raw, rtu({7, 3, 2, 0, 1}));
    EXPECT_EQ(d.sim->requestCount(), 2u) << "the broadcast and the read";
    EXPECT_EQ(seven.read(1420, 1).values, std::vector<std::uint16_t>{7}) << "1420 holds the Modbus address";
}

TEST(RtuFrame, NoiseBeforeAFrameIsSkipped)
{
    SerialDevice d({.model = "T"});
    Bytes noisy{0x55, 0x01};
    const Bytes request = rtu({1, 3, 7, 0xD2, 0, 1});   // 2002
    noisy.insert(noisy.end(), request.begin(), request.end());
    d.line.send(noisy);
    EXPECT_EQ(d.master.receiveReply(), rtu({1, 3, 2, 23847 >> 8, 23847 & 0xFF}));
}
