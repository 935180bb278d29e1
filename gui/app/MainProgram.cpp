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

} // namespace

int runMainProgram(int argc, char** argv)
{
    // Help, version and usage errors need no display.
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::printf("%s", appUsage().c_str());
            return 0;
        }
        if (a == "--version") {
            std::printf("qlx700 %s\n", QLX700_VERSION_TEXT);
            return 0;
        }
    }
    std::string error;
    const std::optional<AppOptions> options = parseAppOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "qlx700: %s\nTry 'qlx700 --help'.\n", error.c_str());
        return 2;
    }
    QApplication app(argc, argv);
    // No display name: the window's title is the page's own, with nothing appended.
    QApplication::setApplicationName("qlx700");
    QApplication::setApplicationVersion(QLX700_VERSION_TEXT);

    std::unique_ptr<AppAssembly> program;
    try {
        program = std::make_unique<AppAssembly>(options->demo);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qlx700: cannot start: %s\n", e.what());
        return 1;
    }
    MainWindowView& window = program->window();
    if (options->language) {
        program->logic().setLanguage(*options->language);
        window.render();
    }
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
