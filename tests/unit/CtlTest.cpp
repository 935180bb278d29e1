#include "support/CtlRunner.h"
#include "support/RegisterPeer.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class Ctl : public ::testing::Test {
protected:
    Ctl()
        : pty(device.handler())
    {
        unsetenv("QLX700_PASSWORD");
        device.set(2002, 23847);
        device.set(2000, 0x1106);
        device.set(2001, 0x1100);
        device.set(2501, 0x1170);
        device.set(2502, 0x0001);
        const char* password = "QWKZ";
        for (int i = 0; i < 4; ++i)
            device.set(static_cast<std::uint16_t>(1600 + i), static_cast<std::uint16_t>(password[i]));
        device.set(401, 14);
        device.set(402, 5);
        device.set(403, 9);
        device.set(404, 10);
        device.set(405, 12);
        device.set(406, 26);
    }

    std::vector<std::string> link(std::vector<std::string> rest)
    {
        std::vector<std::string> args{"--serial", pty.path(), "--baud", "19200"};
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    }

    RegisterPeer device;
    PtyPeer pty;
};

} // namespace

TEST_F(Ctl, InfoNeedsNoPassword)
{
    const CtlRun r = ctl(link({"info"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("QLX700-T (signature 23847)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("serial     70000"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("firmware   1.1.6"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("clock      2026-12-10 14:05:09"), std::string::npos) << r.out;
}

TEST_F(Ctl, InfoFindsAPWithoutBeingTold)
{
    RegisterPeer p;
    p.set(0x8000 + 2002, 10146);
    PtyPeer pPty(p.handler());
    const CtlRun r = ctl({"--serial", pPty.path(), "info"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("QLX700-P"), std::string::npos) << r.out;
}

TEST_F(Ctl, ReadWriteAndCommandProveThePasswordFirst)
{
    device.set(201, 1);
    CtlRun r = ctl(link({"--password", "qwkz", "read", "201", "2"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "201 1\n202 0\n");

    r = ctl(link({"--password", "QWKZ", "write", "202", "20", "21"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(device.get(202), 20);
    EXPECT_EQ(device.get(203), 21);

    setenv("QLX700_PASSWORD", "QWKZ", 1);
    r = ctl(link({"command", "100"}));
    EXPECT_EQ(r.status, 0) << r.err;
    unsetenv("QLX700_PASSWORD");

    const auto requests = pty.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back(), (Bytes{0x01, 0x06, 0x0B, 0xB8, 0x00, 0x64, 0x0A, 0x20}));
}

TEST_F(Ctl, FailuresExitWithOneAndAReason)
{
    CtlRun r = ctl(link({"--password", "ABCD", "read", "201"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "qlx700ctl: wrong password\n");

    device.sticky.insert(208);
    r = ctl(link({"--password", "QWKZ", "write", "208", "3"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("register 208"), std::string::npos) << r.err;

    r = ctl(link({"--model", "R", "info"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("QLX700-T"), std::string::npos) << r.err;

    r = ctl({"--serial", "/dev/qlx700-absent", "info"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot open serial port /dev/qlx700-absent"), std::string::npos) << r.err;
}

TEST_F(Ctl, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"info"},
        link({"read", "201"}), // no password
        link({"--password", "QWKZ", "read"}),
        link({"--password", "QWKZ", "read", "201", "148"}),
        link({"--password", "QWKZ", "write", "201", "70000"}),
        link({"--password", "QWKZ", "frobnicate"}),
        {"--serial", "x", "--udp", "h", "info"},
        {"--serial", "x", "--format", "7N1", "info"},
        {"--serial", "x", "--model", "Q", "info"},
        {"--retries", "11", "--serial", "x", "info"},
        {"--retries", "-1", "--serial", "x", "info"},
        {"--retries", "two", "--serial", "x", "info"},
        {"--bogus"},
    };
    for (const auto& args : cases) {
        const CtlRun r = ctl(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args.back());
        EXPECT_NE(r.err.find("qlx700ctl: "), std::string::npos);
    }
    EXPECT_TRUE(pty.requests().empty());
}

TEST_F(Ctl, HelpAndVersion)
{
    CtlRun r = ctl({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("usage: qlx700ctl"), std::string::npos);
    r = ctl({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("qlx700ctl ") + QLX700_VERSION_TEXT + "\n");
}
