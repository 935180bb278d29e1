// A lost reply costs a read one more request, never a write or a command a second
// one, and a reply that comes too late never answers another request.
#include "support/CtlRunner.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> linkTo(const qlxsim::SimServer& sim, const std::string& kind)
{
    if (kind == "serial")
        return {"--serial", sim.serialPath()};
    const std::uint16_t port = kind == "udp" ? sim.udpPort() : sim.tcpPort();
    return {"--" + kind, "127.0.0.1:" + std::to_string(port)};
}

// qlx700ctl with --retries on `kind`, as a QLX700-T with its password: the identification
// and the password take the first two requests, so the command's own start at the third.
CtlRun withRetries(const std::string& retries, const qlxsim::SimServer& sim, const std::string& kind,
                   const std::vector<std::string>& command)
{
    std::vector<std::string> args{"--retries", retries};
    for (const std::string& a : linkTo(sim, kind))
        args.push_back(a);
    args.insert(args.end(), {"--model", "T", "--password", "QWKZ"});
    args.insert(args.end(), command.begin(), command.end());
    return ctl(args);
}

constexpr std::uint64_t kConnectRequests = 2;
// The command's first reply is lost; the request after it is answered.
const std::string kFirstReplyLost = "silent-after=2,silent-for=1ms";

} // namespace

TEST(LinkRetries, AReadIsAskedAgainUpToItsRetriesOnEveryLink)
{
    struct Case {
        const char* kind;
        const char* retries;
        std::string faults;
        int status;
        std::uint64_t requests; // the read's own
    };
    const Case cases[] = {
        {"udp", "0", kFirstReplyLost, 1, 1},
        {"udp", "1", kFirstReplyLost, 0, 2},
        {"udp", "2", "silent-after=2", 1, 3},
        {"udp", "10", "silent-after=2", 1, 11},
        {"serial", "2", kFirstReplyLost, 0, 2},
        {"tcp", "2", kFirstReplyLost, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " --retries " + c.retries + " " + c.faults);
        auto sim = qlxsim::SimServer::start({.model = "T", .faults = c.faults}, {.serial = true, .udp = true, .tcp = true});
        sim->setReg(214, 1234);
        const CtlRun r = withRetries(c.retries, *sim, c.kind, {"read", "214"});
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.status == 0 ? "214 1234\n" : "");
        if (c.status != 0) {
            EXPECT_EQ(r.err, "qlx700ctl: read of 1 register(s) from 214 failed: time-out (no answer)\n");
        }
        EXPECT_EQ(sim->requestCount(), kConnectRequests + c.requests);
    }
}

// A write whose echo is lost is read back instead of sent again: it counts when the
// register holds the value. A command cannot be read back and is never repeated either.
TEST(LinkRetries, WritesAndCommandsAreSentOnce)
{
    struct Case {
        const char* kind;
        std::vector<std::string> command;
        std::string faults;
        int status;
        std::string err;
        std::uint16_t held; // register 214 afterwards
    };
    const Case cases[] = {
        {"udp", {"write", "214", "5"}, kFirstReplyLost, 0, "", 5},
        {"serial", {"write", "214", "5"}, kFirstReplyLost, 0, "", 5},
        {"udp", {"write", "214", "5"}, kFirstReplyLost + ",ignore-writes", 1, "time-out (no answer)", 7},
        {"udp", {"command", "100"}, kFirstReplyLost, 1, "time-out (no answer)", 7},
        {"tcp", {"command", "100"}, kFirstReplyLost, 1, "time-out (no answer)", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.command[0] + " " + c.faults);
        auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true, .udp = true, .tcp = true});
        sim->setReg(214, 7);
        sim->setFaults(c.faults);
        const CtlRun r = withRetries("2", *sim, c.kind, c.command);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(sim->writeCount(), 1u) << "sent once";
        EXPECT_EQ(sim->reg(214), c.held);
    }
}

// A device slower than the UDP time-out answers each request after the next one went
// out. Without retries every read fails as a time-out, and the late reply to the plain
// signature read never answers the probe with the P's offset; with them, the late reply
// answers the same question and the device is named right.
TEST(LinkRetries, ALateReplyNeverAnswersTheNextRequest)
{
    auto sim = qlxsim::SimServer::start({.model = "T", .faults = "slow=35ms"}, {.udp = true});
    sim->setReg(2501, 4321);
    sim->setReg(2502, 0);
    const std::string where = "127.0.0.1:" + std::to_string(sim->udpPort());
    // (A reply the link wakes up late for may still count: it is the right one.)
    const CtlRun none = ctl({"--retries", "0", "--udp", where, "--model", "T", "info"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("failed: time-out (no answer)"), std::string::npos) << none.err;
    EXPECT_EQ(none.err.find("the device is a"), std::string::npos) << none.err;

    const CtlRun some = ctl({"--retries", "10", "--udp", where, "--model", "T", "info"});
    EXPECT_EQ(some.status, 0) << some.err;
    EXPECT_NE(some.out.find("model      QLX700-T (signature 23847)"), std::string::npos) << some.out;
    EXPECT_NE(some.out.find("serial     4321"), std::string::npos) << some.out;

    // On the link itself: the reply to 2002 arrives while the read of 1500 (one
    // register too) waits, and must not be taken for it.
    PollEventPump pump;
    DeviceLink link(pump);
    link.setDeviceType(kQLX700T);
    sim->setReg(1500, 2);
    ASSERT_TRUE(link.openUdp("127.0.0.1", "", sim->udpPort()));
    link.readRegisters(2002, 1);
    if (link.readRegisters(1500, 1)) {
        EXPECT_EQ(link.registerValue(1500), 2) << "the reply to 2002 answered the read of 1500";
    } else {
        EXPECT_FALSE(link.received(1500));
    }
    sim->setFaults("");
    ASSERT_TRUE(link.readRegisters(1500, 1));
    EXPECT_EQ(link.registerValue(1500), 2);
}
