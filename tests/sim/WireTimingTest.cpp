// --wire-timing: a serial transaction takes at least the time its bytes need on the line.
#include "SimServer.h"
#include "SimWire.h"

#include <gtest/gtest.h>

using namespace simtest;

TEST(WireTiming, RepliesArePacedByTheLineSettings)
{
    struct Case {
        int baud;
        char parity;
        int stopBits;
        int forcedBits; // a pseudo-terminal drops parity, so 8E1 is told with --wire-bits
        int bitsPerByte;
    };
    for (const Case c : {Case{9600, 'N', 1, 0, 10}, Case{9600, 'E', 1, 11, 11}, Case{115200, 'N', 2, 0, 11}}) {
        auto sim = qlxsim::SimServer::start({.model = "T", .wireTiming = true, .wireBitsPerByte = c.forcedBits},
                                            {.serial = true});
        SerialClient line(sim->serialPath(), c.baud, c.parity, c.stopBits);
        RtuMaster master(line, false);
        const auto t0 = std::chrono::steady_clock::now();
        const auto reply = master.read(1, 100);
        const auto elapsed = std::chrono::steady_clock::now() - t0;
        ASSERT_TRUE(reply.ok());
        // 8 request bytes and 205 reply bytes.
        const auto bound = std::chrono::duration<double>(213.0 * c.bitsPerByte / c.baud);
        EXPECT_GE(elapsed, bound) << c.baud << c.parity << c.stopBits;
    }
}
