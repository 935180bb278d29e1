// qlx700ctl over UDP and TCP against the simulated device on loopback.
#include "support/CtlRunner.h"
#include "SimServer.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// --udp or --tcp against the simulator, the value of the parameter.
class NetworkCtlTest : public ::testing::TestWithParam<std::string> {
protected:
    std::unique_ptr<qlxsim::SimServer> start(const std::string& model, const std::string& faults = {})
    {
        return qlxsim::SimServer::start({.model = model, .faults = faults}, {.udp = true, .tcp = true});
    }

    std::vector<std::string> link(const qlxsim::SimServer& sim) const
    {
        const std::uint16_t port = GetParam() == "--udp" ? sim.udpPort() : sim.tcpPort();
        return {GetParam(), "127.0.0.1:" + std::to_string(port)};
    }

    CtlRun run(const qlxsim::SimServer& sim, const std::vector<std::string>& rest)
    {
        std::vector<std::string> args = link(sim);
        args.insert(args.end(), rest.begin(), rest.end());
        return ctl(args);
    }
};

} // namespace

TEST_P(NetworkCtlTest, InfoIdentifiesTheDeviceWithoutAPassword)
{
    auto sim = start("T");
    sim->setReg(2501, 4321);
    sim->setReg(2502, 0);
    const CtlRun r = run(*sim, {"info"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("model      QLX700-T (signature 23847)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("serial     4321"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("(no answer)"), std::string::npos) << r.out;
}

TEST_P(NetworkCtlTest, ReadWriteAndCommandWorkAndReachTheDevice)
{
    auto sim = start("T");
    sim->setReg(202, 12);
    sim->setReg(1800, 4);
    CtlRun r = run(*sim, {"--password", "QWKZ", "write", "201", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(sim->reg(201), 2);

    r = run(*sim, {"--password", "QWKZ", "read", "201", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "201 2\n202 12\n");

    r = run(*sim, {"--password", "QWKZ", "write", "202", "13", "14"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(sim->reg(202), 13);
    EXPECT_EQ(sim->reg(203), 14);

    r = run(*sim, {"--password", "QWKZ", "command", "100"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(sim->reg(1800), 0);
}

TEST_P(NetworkCtlTest, ParallelismModelIsReachedWithItsWireOffset)
{
    auto sim = start("P");
    CtlRun r = run(*sim, {"info"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("QLX700-P"), std::string::npos) << r.out;
    r = run(*sim, {"--model", "P", "--password", "QWKZ", "write", "1", "7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(sim->reg(1), 7);
    r = run(*sim, {"--model", "P", "--password", "QWKZ", "command", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_P(NetworkCtlTest, LocalAddressIsUsedForTheBind)
{
    auto sim = start("T");
    const CtlRun r = run(*sim, {"--local", "127.0.0.1", "info"});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_P(NetworkCtlTest, WrongPasswordAndSilentDeviceFailWithOneLine)
{
    auto sim = start("T");
    CtlRun r = run(*sim, {"--password", "AAAA", "read", "201"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "qlx700ctl: wrong password\n");

    sim->setFaults("drop");
    r = run(*sim, {"--model", "T", "info"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("reading register 2002 on 127.0.0.1:" + std::to_string(GetParam() == std::string("--udp") ? sim->udpPort() : sim->tcpPort()) + " failed: time-out (no answer)"),
              std::string::npos)
        << r.err;
}

INSTANTIATE_TEST_SUITE_P(Links, NetworkCtlTest, ::testing::Values("--udp", "--tcp"),
                         [](const auto& info) { return info.param.substr(2); });

TEST(NetworkCtlTcp, RefusedConnectionFailsAtOnceWithTheReason)
{
    // A loopback port nobody listens on.
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof at;
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
    getsockname(fd, reinterpret_cast<sockaddr*>(&at), &length);
    close(fd);
    const auto start = std::chrono::steady_clock::now();
    const CtlRun r = ctl({"--tcp", "127.0.0.1:" + std::to_string(ntohs(at.sin_port)), "info"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Connection refused"), std::string::npos) << r.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15)); // not the 20 s wait
}
