// The manual pages and the README name every option and command the programs' --help
// prints, so the documents cannot fall behind the programs again.
#include "support/ProcessRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using simtest::runProgram;

namespace {

std::string fileText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string collapsed(const std::string& text)
{
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// Roff arguments: words, or quoted strings with their spaces.
std::vector<std::string> roffArguments(const std::string& line)
{
    std::vector<std::string> args;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
        } else if (line[i] == '"') {
            const std::size_t end = line.find('"', i + 1);
            args.push_back(line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1));
            i = end == std::string::npos ? line.size() : end + 1;
        } else {
            const std::size_t end = line.find(' ', i);
            args.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
            i = end == std::string::npos ? line.size() : end;
        }
    }
    return args;
}

// A manual page's source as the reader sees its words: font macros and escapes gone,
// the alternating-font macros' arguments run together as roff prints them.
std::string manualText(const std::string& source)
{
    std::istringstream in(source);
    std::string line;
    std::string text;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '.') {
            const std::size_t space = line.find(' ');
            const std::string macro = line.substr(1, space == std::string::npos ? std::string::npos : space - 1);
            if (space == std::string::npos)
                continue;
            const std::vector<std::string> args = roffArguments(line.substr(space + 1));
            const bool alternating = macro.size() == 2 && std::string("BIR").find(macro[0]) != std::string::npos
                && std::string("BIR").find(macro[1]) != std::string::npos;
            for (std::size_t i = 0; i < args.size(); ++i)
                text += (i > 0 && !alternating ? " " : "") + args[i];
            text += " ";
        } else {
            text += line + " ";
        }
    }
    text = std::regex_replace(text, std::regex(R"(\\f[BIRP])"), "");
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    return collapsed(text);
}

std::set<std::string> optionsIn(const std::string& help)
{
    std::set<std::string> options;
    const std::regex option("--[a-z][a-z0-9-]*");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option); it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    return options;
}

// qlx700ctl's commands as its --help spells them ("load FILE [--strict]"): the start
// of each line under "COMMAND:" up to the gap before its description.
std::vector<std::string> ctlCommands(const std::string& help)
{
    std::vector<std::string> commands;
    std::istringstream in(help.substr(help.find("COMMAND:")));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line) && !line.empty()) {
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ')
            continue;
        const std::size_t gap = line.find("  ", 2);
        commands.push_back(line.substr(2, gap == std::string::npos ? std::string::npos : gap - 2));
    }
    return commands;
}

struct Documented {
    std::string program;
    std::string binary;
};

} // namespace

TEST(ManualPages, NameEveryOptionAndCommandTheHelpPrints)
{
    std::vector<Documented> programs{{"qlx700ctl", QLX700_BINARY_DIR "/cli/qlx700ctl"},
                                     {"qlx700-sim", QLX700_BINARY_DIR "/sim/qlx700-sim"}};
    if (QLX700_WITH_GUI)
        programs.push_back({"qlx700", QLX700_BINARY_DIR "/gui/qlx700"});
    const std::string readme = collapsed(fileText(QLX700_SOURCE_DIR "/README.md"));
    for (const Documented& p : programs) {
        std::string help;
        ASSERT_EQ(runProgram({"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", p.binary, "--help"}, help), 0);
        const std::string manual = manualText(fileText(QLX700_SOURCE_DIR "/packaging/man/" + p.program + ".1.in"));
        ASSERT_FALSE(manual.empty()) << p.program;
        const std::set<std::string> options = optionsIn(help);
        EXPECT_GE(options.size(), 4u) << p.program;
        for (const std::string& option : options) {
            EXPECT_NE(manual.find(option), std::string::npos) << p.program << "(1) lacks " << option;
            EXPECT_NE(readme.find(option), std::string::npos) << "README lacks " << p.program << " " << option;
        }
        if (p.program != "qlx700ctl")
            continue;
        const std::vector<std::string> commands = ctlCommands(help);
        EXPECT_GE(commands.size(), 12u);
        for (const std::string& command : commands) {
            EXPECT_NE(manual.find(command), std::string::npos) << "qlx700ctl(1) lacks " << command;
            EXPECT_NE(readme.find(command), std::string::npos) << "README lacks qlx700ctl " << command;
        }
    }
}

// The reading of roff the check above relies on.
TEST(ManualPages, RoffIsReadAsTheReaderSeesIt)
{
    EXPECT_EQ(manualText(".BI read \" REG \\fR[\\fPCOUNT\\fR]\\fP\"\n"), "read REG [COUNT] ");
    EXPECT_EQ(manualText(".BR monitor \" [\" \\-\\-count\n.IR N \"] [\" \\-\\-give\\-up\n.IR S ]\n"),
              "monitor [--count N] [--give-up S] ");
    EXPECT_EQ(manualText(".B events erase\nErases them.\n"), "events erase Erases them. ");
}
