#pragma once

#include <filesystem>
#include <set>
#include <string>

// The files an install puts below its prefix: the programs and their manual pages,
// and with the window its menu entry and icon. Nothing of the tests, benchmarks or
// fuzzing.
inline std::set<std::string> expectedInstalledFiles()
{
    std::set<std::string> files{"bin/qlx700ctl", "bin/qlx700-sim", "share/man/man1/qlx700ctl.1.gz",
                                "share/man/man1/qlx700-sim.1.gz"};
    if (QLX700_WITH_GUI) {
        files.insert({"bin/qlx700", "share/man/man1/qlx700.1.gz", "share/applications/qlx700.desktop",
                      "share/icons/hicolor/scalable/apps/qlx700.svg"});
    }
    return files;
}

// Every file below `root`, folders left out, as paths relative to it.
inline std::set<std::string> filesBelow(const std::filesystem::path& root)
{
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_directory())
            files.insert(std::filesystem::relative(entry.path(), root).string());
    }
    return files;
}
