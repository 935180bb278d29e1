// scripts/demo.sh, which ./run.sh ends with, where no window can be opened: one line
// saying why, then the command-line demo against a simulated QLX700-T, every command
// shown with the full path of this build's program so that it can be pasted.
#include "support/ProcessRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

using simtest::runProgram;
using namespace std::chrono_literals;

TEST(DemoScript, WithoutADisplayRunsTheCommandLineDemo)
{
    struct Case {
        std::vector<std::string> display;
        std::string reason;
    };
    const std::vector<Case> cases{
        {{"-u", "DISPLAY"}, "DISPLAY is not set"},
        // Nothing listens on display 32123.
        {{"DISPLAY=:32123"}, "the display :32123 does not answer"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> argv{"env", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM"};
        argv.insert(argv.end(), c.display.begin(), c.display.end());
        argv.insert(argv.end(), {QLX700_SOURCE_DIR "/scripts/demo.sh", QLX700_BINARY_DIR});
        std::string out;
        ASSERT_EQ(runProgram(argv, out, 60s), 0) << out;

        const std::string reason = QLX700_WITH_GUI ? c.reason : "the window was not built: Qt 6 is missing";
        EXPECT_EQ(out.substr(0, out.find('\n')), "No window (" + reason + "): running the command-line demo.");
        EXPECT_NE(out.find("model      QLX700-T"), std::string::npos) << out;
        EXPECT_NE(out.find("\n501 "), std::string::npos) << out;
        std::istringstream lines(out);
        std::string line;
        int commands = 0;
        while (std::getline(lines, line)) {
            if (line.rfind("$ ", 0) != 0)
                continue;
            const std::string program = line.substr(2, line.find(' ', 2) - 2);
            EXPECT_EQ(program.rfind(QLX700_BINARY_DIR "/", 0), 0u) << line;
            EXPECT_EQ(access(program.c_str(), X_OK), 0) << line;
            ++commands;
        }
        EXPECT_EQ(commands, 5) << out;
    }
}
