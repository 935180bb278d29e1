#include "app/AppOptions.h"

#include "app/IntegerText.h"
#include "app/PageTable.h"

#include <string_view>

std::optional<AppOptions> parseAppOptions(const std::vector<std::string>& args, std::string& error)
{
    AppOptions o;
    bool afterGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--demo") {
            o.demo = true;
        } else if (a == "--open") {
            if (!hasValue) {
                error = "--open needs MODEL[:PAGE] (pages: " + pageRowNames() + ")";
                return std::nullopt;
            }
            o.open = findPageRow(args[++i], error);
            if (o.open == nullptr)
                return std::nullopt;
        } else if (a == "--screenshot") {
            if (!hasValue || args[i + 1].empty()) {
                error = "--screenshot needs a file name";
                return std::nullopt;
            }
            o.screenshotFile = args[++i];
        } else if (a == "--after") {
            const std::optional<int> ms = hasValue ? parseInteger(args[i + 1]) : std::nullopt;
            if (!ms || *ms < 0) {
                error = "--after needs a number of milliseconds";
                return std::nullopt;
            }
            o.screenshotAfterMs = *ms;
            afterGiven = true;
            ++i;
        } else if (a == "--lang") {
            const std::string code = hasValue ? args[++i] : std::string();
            const std::size_t index = std::string_view("pt en es").find(code);
            if (code.size() != 2 || index == std::string_view::npos || index % 3 != 0) {
                error = "--lang needs pt, en or es";
                return std::nullopt;
            }
            o.language = static_cast<int>(index / 3);
        } else {
            error = "unknown argument: " + a;
            return std::nullopt;
        }
    }
    if (afterGiven && o.screenshotFile.empty()) {
        error = "--after goes with --screenshot";
        return std::nullopt;
    }
    if (o.open != nullptr && !o.demo) {
        error = "--open goes with --demo";
        return std::nullopt;
    }
    return o;
}

std::string appUsage()
{
    return "usage: qlx700 [--demo [--open MODEL[:PAGE]]] [--lang pt|en|es] [--screenshot FILE [--after MS]]\n"
           "       qlx700 --help | --version\n"
           "  --demo             simulated devices of every model on pseudo-terminals and loopback TCP ports,\n"
           "                     with settings of their own in demo/ inside the data folder\n"
           "  --open MODEL:PAGE  connect to the model's demo device (password proved) and show the page\n"
           "  --lang pt|en|es    show this run in Portuguese, English or Spanish (the remembered language\n"
           "                     stays as it is)\n"
           "  --screenshot FILE  draw the main window into FILE (PNG) once shown, and quit\n"
           "  --after MS         wait MS milliseconds before drawing\n"
           "pages: " +
           pageRowNames() + "\n";
}
