// The manners the three programs share: --help and --version answer with status 0; a
// usage error is one line naming the program, then "Try '<program> --help'.", status 2.
// None of it needs a display, so the runs have none.
#include "support/ProcessRunner.h"

#include <gtest/gtest.h>

using simtest::runProgram;

namespace {

struct Program {
    std::string name;
    std::string path;
};

std::vector<Program> programs()
{
    std::vector<Program> all{{"qlx700ctl", QLX700_BINARY_DIR "/cli/qlx700ctl"},
                             {"qlx700-sim", QLX700_BINARY_DIR "/sim/qlx700-sim"}};
    if (QLX700_WITH_GUI)
        all.push_back({"qlx700", QLX700_BINARY_DIR "/gui/qlx700"});
    return all;
}

int runWithoutDisplay(const std::string& path, const std::vector<std::string>& args, std::string& out)
{
    std::vector<std::string> argv{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", path};
    argv.insert(argv.end(), args.begin(), args.end());
    return runProgram(argv, out);
}

} // namespace

TEST(CommandLine, EveryProgramAnswersHelpAndVersion)
{
    for (const Program& p : programs()) {
        std::string out;
        EXPECT_EQ(runWithoutDisplay(p.path, {"--help"}, out), 0) << p.name;
        EXPECT_EQ(out.rfind("usage: " + p.name + " ", 0), 0u) << out;
        // The first of --help and --version is answered whatever else the line holds.
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"--version"}, {"--version", "extra"}, {"--version", "--bogus"}, {"--bogus", "--version", "--help"}}) {
            EXPECT_EQ(runWithoutDisplay(p.path, args, out), 0) << p.name << " " << args[0];
            EXPECT_EQ(out, p.name + " " QLX700_VERSION_TEXT "\n");
        }
        EXPECT_EQ(runWithoutDisplay(p.path, {"--help", "extra"}, out), 0) << p.name;
        EXPECT_EQ(out.rfind("usage: " + p.name + " ", 0), 0u) << out;
    }
}

TEST(CommandLine, UsageErrorsSayWhatAndPointToHelp)
{
    struct Case {
        std::string program;
        std::vector<std::string> args;
        std::string line;
    };
    const std::vector<Case> cases{
        {"qlx700ctl", {"--bogus"}, "unknown option --bogus"},
        {"qlx700ctl", {"--serial"}, "--serial needs a value"},
        {"qlx700ctl", {"--tcp", "127.0.0.1"}, "no command given"},
        {"qlx700-sim", {"--model", "T", "--bogus"}, "unknown option '--bogus'"},
        {"qlx700-sim", {"--model", "T"}, "give at least one of --serial-link, --udp, --tcp"},
        // A bad value is named before a missing transport.
        {"qlx700-sim", {"--model", "Z"}, "unknown model 'Z' (T, T-membrane, P, R, IRR or C)"},
        {"qlx700-sim", {"--model", "T", "--preset", "nope"}, "unknown preset 'nope'"},
        {"qlx700-sim", {"--model", "P", "--preset", "t-events-25"}, "preset 't-events-25' is for model T"},
        {"qlx700-sim", {"--model", "T", "--faults", "nope"}, "fault 'nope': unknown fault"},
        {"qlx700-sim", {"--model", "T", "--count", "2", "--serial-link", "/tmp/x"},
         "--count goes with --udp and --tcp, not --serial-link"},
        {"qlx700-sim", {"--model", "T", "--count", "1001", "--tcp", "127.0.0.1:0"}, "--count must be 1..1000"},
        {"qlx700-sim", {"--model", "T", "--udp", "localhost"}, "expected ADDR:PORT, got 'localhost'"},
        {"qlx700", {"--bogus"}, "unknown argument: --bogus"},
        {"qlx700", {"--after", "10"}, "--after goes with --screenshot"},
    };
    for (const Program& p : programs()) {
        for (const Case& c : cases) {
            if (c.program != p.name)
                continue;
            std::string out;
            EXPECT_EQ(runWithoutDisplay(p.path, c.args, out), 2) << c.line;
            EXPECT_EQ(out, p.name + ": " + c.line + "\nTry '" + p.name + " --help'.\n");
        }
    }
}

// One simulator process serves a small fleet: one line per device, serial numbers apart.
TEST(CommandLine, TheSimulatorServesAFleetOnConsecutivePorts)
{
    simtest::ProcessRunner sim({QLX700_BINARY_DIR "/sim/qlx700-sim", "--model", "T", "--count", "3", "--tcp",
                                "127.0.0.1:0"});
    std::vector<std::string> ports;
    for (int i = 0; i < 3; ++i) {
        const std::string line = sim.readLine(std::chrono::seconds(20));
        ASSERT_EQ(line.rfind("listening tcp 127.0.0.1:", 0), 0u) << line;
        ports.push_back(line.substr(line.rfind(':') + 1));
    }
    std::vector<std::string> serials;
    for (const std::string& port : ports) {
        std::string out;
        ASSERT_EQ(runProgram({QLX700_BINARY_DIR "/cli/qlx700ctl", "--tcp", "127.0.0.1:" + port, "info"}, out), 0) << out;
        const auto at = out.find("serial     ");
        ASSERT_NE(at, std::string::npos) << out;
        serials.push_back(out.substr(at + 11, out.find('\n', at) - at - 11));
    }
    EXPECT_EQ(serials, (std::vector<std::string>{"1234", "1235", "1236"}));
}
