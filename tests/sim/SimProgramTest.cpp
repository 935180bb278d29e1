// The qlx700-sim program: its lines, its link, its signals, its options.
#include "support/ProcessRunner.h"
#include "SimWire.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace simtest;

namespace {

const std::string kProgram = std::string(QLX700_BINARY_DIR) + "/sim/qlx700-sim";

std::uint16_t portOf(const std::string& line)
{
    return static_cast<std::uint16_t>(std::stoi(line.substr(line.rfind(':') + 1)));
}

} // namespace

TEST(SimProgram, ListensOnEveryTransportAndCleansUpOnSignal)
{
    for (const int sig : {SIGTERM, SIGINT}) {
        const std::string link = std::filesystem::temp_directory_path() / ("qlx700-sim-test-" + std::to_string(getpid()));
        ProcessRunner sim({kProgram, "--model", "R", "--serial-link", link, "--udp", "127.0.0.1:0", "--tcp",
                           "127.0.0.1:0", "--address", "5"});
        EXPECT_EQ(sim.readLine(5000ms), "listening serial " + link);
        const std::string udpLine = sim.readLine(5000ms);
        const std::string tcpLine = sim.readLine(5000ms);
        ASSERT_EQ(udpLine.rfind("listening udp 127.0.0.1:", 0), 0u) << udpLine;
        ASSERT_EQ(tcpLine.rfind("listening tcp 127.0.0.1:", 0), 0u) << tcpLine;
        ASSERT_NE(portOf(udpLine), 0);

        SerialClient line(link);
        EXPECT_EQ(RtuMaster(line, false, 5).read(2002, 1).values, std::vector<std::uint16_t>{58202});
        UdpClient udp(portOf(udpLine));
        EXPECT_EQ(RtuMaster(udp, true, 5).read(2002, 1).values, std::vector<std::uint16_t>{58202});
        TcpClient tcp(portOf(tcpLine));
        tcp.send(asyncFrame(1, 1, 1, {2002}));
        EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 1, 1, {2002, 58202}));

        sim.signal(sig);
        EXPECT_EQ(sim.finish(5000ms), 0);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link))) << "link removed";
    }
}

TEST(SimProgram, HelpListsPresetsAndFaults)
{
    std::string out;
    EXPECT_EQ(runProgram({kProgram, "--help"}, out), 0);
    for (const char* word : {"--model", "--wire-timing", "--strict", "t-events-25", "p-unit-20", "irr-records-55",
                             "r-deviation-985", "c-resistance-1275", "drop[=P]", "no-accept", "unsolicited=TIME"})
        EXPECT_NE(out.find(word), std::string::npos) << word;
}

TEST(SimProgram, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases{
        {"--model", "X", "--udp", "127.0.0.1:0"},
        {"--udp", "127.0.0.1:0"},
        {"--model", "T"},
        {"--model", "T", "--udp", "localhost"},
        {"--model", "T", "--udp", "127.0.0.1:0", "--faults", "melt"},
        {"--model", "T", "--udp", "127.0.0.1:0", "--preset", "p-unit-3"},
        {"--model", "T", "--udp", "127.0.0.1:0", "--address", "248"},
        {"--model", "T", "--bogus"},
    };
    for (auto args : cases) {
        args.insert(args.begin(), kProgram);
        std::string out;
        EXPECT_EQ(runProgram(args, out), 2) << args[1] << " " << args[2];
        EXPECT_EQ(out.rfind("qlx700-sim: ", 0), 0u) << out;
    }
}
