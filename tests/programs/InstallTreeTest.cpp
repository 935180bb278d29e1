// What `cmake --install` puts below a prefix, and the validity of the menu entry and
// the manual pages it installs.
#include "programs/InstalledFiles.h"
#include "support/ProcessRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using simtest::runProgram;
using namespace std::chrono_literals;

TEST(InstallTree, HoldsTheProgramsTheMenuEntryAndCompressedManualPages)
{
    TempFolder prefix;
    std::string out;
    ASSERT_EQ(runProgram({QLX700_CMAKE, "--install", QLX700_BINARY_DIR, "--prefix", prefix.path()}, out, 240s), 0)
        << out;
    EXPECT_EQ(filesBelow(prefix.path()), expectedInstalledFiles());
    for (const std::string& file : expectedInstalledFiles()) {
        if (file.ends_with(".gz")) {
            EXPECT_EQ(TempFolder::read(prefix / file).substr(0, 2), "\x1f\x8b") << file;
        }
    }
}

TEST(InstallTree, TheMenuEntryIsValidAndSpeaksTheThreeLanguages)
{
    if (!QLX700_WITH_GUI)
        GTEST_SKIP() << "the window is not built (Qt 6 missing), so neither is its menu entry";
    const std::string entry = QLX700_SOURCE_DIR "/packaging/qlx700.desktop";
    std::string out;
    EXPECT_EQ(runProgram({"desktop-file-validate", entry}, out), 0) << out;
    EXPECT_EQ(out, "");

    const std::string text = TempFolder::read(entry);
    for (const char* line : {"Exec=qlx700\n", "Icon=qlx700\n", "Categories=Utility;Engineering;\n", "Terminal=false\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    for (const char* key : {"Name", "Comment"}) {
        for (const char* language : {"", "[pt]", "[es]"})
            EXPECT_NE(text.find("\n" + std::string(key) + language + "="), std::string::npos) << key << language;
    }
}

TEST(InstallTree, TheManualPagesRenderWithoutWarnings)
{
    std::vector<std::string> programs{"qlx700ctl", "qlx700-sim"};
    if (QLX700_WITH_GUI)
        programs.push_back("qlx700");
    for (const std::string& program : programs) {
        const std::string page = QLX700_BINARY_DIR "/packaging/man/" + program + ".1";
        std::string out;
        EXPECT_EQ(runProgram({"groff", "-man", "-Tutf8", "-ww", "-z", page}, out), 0) << out;
        EXPECT_EQ(out, "") << program;
        // The title line carries the version of this build.
        EXPECT_NE(TempFolder::read(page).find("\"qlx700 " QLX700_VERSION_TEXT "\""), std::string::npos) << program;
    }
}
