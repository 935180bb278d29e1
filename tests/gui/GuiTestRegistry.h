#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>

// Every Qt Test class of the views registers here; one program runs them, one class
// per invocation (`gui_tests ClassName [QTest options]`), so that CTest keeps one test
// process per class without linking a program for each.
class GuiTestRegistry {
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    static std::map<std::string, Factory>& classes()
    {
        static std::map<std::string, Factory> all;
        return all;
    }

    struct Entry {
        Entry(const char* name, Factory factory) { classes().emplace(name, std::move(factory)); }
    };
};

#define QLX700_GUI_TEST(Class) \
    static const GuiTestRegistry::Entry registered##Class(#Class, [] { return std::make_unique<Class>(); });
