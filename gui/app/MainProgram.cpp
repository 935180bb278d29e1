#include "gui/app/MainProgram.h"

#include "app/AppOptions.h"
#include "app/PageTable.h"
#include "gui/app/AppAssembly.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

// Draws the window into `file` once it has been shown for `afterMs`, then quits. A
// separate window opened over it is drawn instead.
void scheduleScreenshot(QWidget& window, const QString& file, int afterMs)
{
    QTimer::singleShot(afterMs, &window, [&window, file] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool saved = (modal != nullptr ? modal : &window)->grab().save(file, "PNG");
        if (!saved)
            std::fprintf(stderr, "qlx700: cannot write %s\n", qPrintable(file));
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

std::optional<AppOptions> parseOrExplain(const std::vector<std::string>& args)
{
    std::string error;
    std::optional<AppOptions> options = parseAppOptions(args, error);
    if (!options)
        std::fprintf(stderr, "qlx700: %s\n%s", error.c_str(), appUsage().c_str());
    return options;
}

} // namespace

int runMainProgram(int argc, char** argv)
{
    // Help, version and usage errors need no display; the window system's own
    // options (one dash) are only known once it has taken them.
    std::vector<std::string> raw(argv + 1, argv + argc);
    bool windowSystemOptions = false;
    for (const std::string& a : raw) {
        if (a == "--help" || a == "-h") {
            std::printf("%s", appUsage().c_str());
            return 0;
        }
        if (a == "--version") {
            std::printf("qlx700 %s\n", QLX700_VERSION_TEXT);
            return 0;
        }
        windowSystemOptions = windowSystemOptions || (a.size() > 1 && a[0] == '-' && a[1] != '-');
    }
    if (!windowSystemOptions && !parseOrExplain(raw))
        return 2;
    QApplication app(argc, argv);
    QApplication::setApplicationName("qlx700");
    QApplication::setApplicationDisplayName("QLX700");
    QApplication::setApplicationVersion(QLX700_VERSION_TEXT);

    std::vector<std::string> args;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    const std::optional<AppOptions> options = parseOrExplain(args);
    if (!options)
        return 2;

    std::unique_ptr<AppAssembly> program;
    try {
        program = std::make_unique<AppAssembly>(options->demo);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qlx700: cannot start: %s\n", e.what());
        return 1;
    }
    FormMainView& window = program->window();
    window.show();
    const QString screenshot = QString::fromStdString(options->screenshotFile);
    const int after = options->screenshotAfterMs;
    if (const PageRow* row = options->open) {
        // Once the loop runs: the connect road waits in it. The picture waits for the
        // page (and is taken over a window the page opens).
        QTimer::singleShot(0, &window, [&program, &window, row, screenshot, after] {
            const auto shown = [&window, screenshot, after] {
                if (!screenshot.isEmpty())
                    scheduleScreenshot(window, screenshot, after);
            };
            if (!program->openDemoPage(*row, shown)) {
                std::fprintf(stderr, "qlx700: cannot open %s\n", pageRowName(*row).c_str());
                QCoreApplication::exit(1);
            }
        });
    } else if (!screenshot.isEmpty()) {
        scheduleScreenshot(window, screenshot, after);
    }
    return QApplication::exec();
}
