#pragma once

#include <optional>
#include <string>
#include <vector>

struct PageRow;

// The command line of qlx700:
//   qlx700 [--demo [--open MODEL[:PAGE]]] [--lang pt|en|es] [--screenshot FILE [--after MS]]
// (--help and --version are answered before the window system starts; Qt's own
// options are not taken, its environment variables are).
struct AppOptions {
    bool demo = false;
    const PageRow* open = nullptr; // the page to open on the demo device, or none
    std::string screenshotFile;    // empty: run normally
    int screenshotAfterMs = 0;
    // The language of this run (0 Portuguese, 1 English, 2 Spanish), the remembered
    // one being left as it is; none: the remembered one.
    std::optional<int> language;
};

// Empty, with a one-line reason in `error`, when the arguments are not understood.
std::optional<AppOptions> parseAppOptions(const std::vector<std::string>& args, std::string& error);
std::string appUsage();
