// The one program of the Qt Test classes: the first argument names the class, the rest
// are QTest's own options. With no argument it lists the classes.
#include "GuiTestRegistry.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    const auto& classes = GuiTestRegistry::classes();
    const auto found = argc > 1 ? classes.find(argv[1]) : classes.end();
    if (found == classes.end()) {
        std::fprintf(stderr, "usage: %s CLASS [QTest options]\nclasses:\n", argv[0]);
        for (const auto& [name, factory] : classes)
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    // What QTEST_MAIN does for a widgets test, for the chosen class.
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + 2, argv + argc);
    const std::unique_ptr<QObject> test = found->second();
    return QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
}
