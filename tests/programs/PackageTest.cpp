// The Debian package made by cpack from this build: its name, its control fields, that
// it holds exactly the installed files and only below /usr, and that the programs run
// from a tree unpacked with dpkg -x.
#include "programs/InstalledFiles.h"
#include "support/ProcessRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using simtest::runProgram;
using namespace std::chrono_literals;

namespace {

std::string trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

// The control file's single-line fields by name.
std::map<std::string, std::string> controlFields(const std::string& control)
{
    std::map<std::string, std::string> fields;
    std::istringstream in(control);
    std::string line;
    while (std::getline(in, line)) {
        const auto colon = line.find(": ");
        if (colon != std::string::npos && line[0] != ' ')
            fields[line.substr(0, colon)] = line.substr(colon + 2);
    }
    return fields;
}

} // namespace

TEST(DebianPackage, InstallsBelowUsrWithFoundDependenciesAndRunsFromThere)
{
    std::string out;
    ASSERT_EQ(runProgram({"sh", "-c", "command -v dpkg-shlibdeps"}, out), 0)
        << "dpkg-shlibdeps is missing: scripts/install-deps.sh --tests installs dpkg-dev";
    ASSERT_EQ(runProgram({"dpkg", "--print-architecture"}, out), 0) << out;
    const std::string architecture = trimmed(out);

    TempFolder work;
    ASSERT_EQ(runProgram({QLX700_CPACK, "--config", QLX700_BINARY_DIR "/CPackConfig.cmake", "-B", work.path()}, out, 280s), 0)
        << out;
    const std::filesystem::path package = work / ("qlx700_" QLX700_VERSION_TEXT "_" + architecture + ".deb");
    ASSERT_TRUE(std::filesystem::exists(package)) << out;

    ASSERT_EQ(runProgram({"dpkg-deb", "-e", package, work / "control"}, out), 0) << out;
    // No maintainer scripts: the package changes nothing on the machine but its files.
    EXPECT_EQ(filesBelow(work / "control"), (std::set<std::string>{"control", "md5sums"}));
    const auto fields = controlFields(TempFolder::read(work / "control" / "control"));
    EXPECT_EQ(fields.at("Package"), "qlx700");
    EXPECT_EQ(fields.at("Version"), QLX700_VERSION_TEXT);
    EXPECT_EQ(fields.at("Architecture"), architecture);
    EXPECT_FALSE(fields.at("Maintainer").empty());
    // Found from the programs' shared libraries, with the versions they need.
    const std::string& depends = fields.at("Depends");
    EXPECT_NE(depends.find("libc6 (>= "), std::string::npos) << depends;
    EXPECT_NE(depends.find("libstdc++6 (>= "), std::string::npos) << depends;
    if (QLX700_WITH_GUI) {
        for (const char* library : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6svg6"})
            EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
    }

    const std::filesystem::path root = work / "root";
    ASSERT_EQ(runProgram({"dpkg", "-x", package, root}, out), 0) << out;
    std::set<std::string> expected;
    for (const std::string& file : expectedInstalledFiles())
        expected.insert("usr/" + file);
    EXPECT_EQ(filesBelow(root), expected);

    std::vector<std::string> programs{"qlx700ctl", "qlx700-sim"};
    if (QLX700_WITH_GUI)
        programs.push_back("qlx700");
    for (const std::string& program : programs) {
        EXPECT_EQ(runProgram({"env", "-u", "DISPLAY", (root / "usr/bin" / program).string(), "--version"}, out), 0);
        EXPECT_EQ(out, program + " " QLX700_VERSION_TEXT "\n");
    }
}
