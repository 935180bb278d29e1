#pragma once

#include <optional>
#include <string>
#include <vector>

// The command line of qlx700:
//   qlx700 [--demo] [--screenshot FILE [--after MS]]
// (--help and --version are answered before the window system starts; Qt's own
// options are not taken, its environment variables are).
struct AppOptions {
    bool demo = false;
    std::string screenshotFile; // empty: run normally
    int screenshotAfterMs = 0;
};

// Empty, with a one-line reason in `error`, when the arguments are not understood.
std::optional<AppOptions> parseAppOptions(const std::vector<std::string>& args, std::string& error);
std::string appUsage();
