#include "settings/SettingsFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets or clears an environment variable for one test and restores it afterwards.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value)
        : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvOverride()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(GetSettingsFolder, TakesTheDataDirVariableAndCreatesIt)
{
    TempFolder tmp;
    const std::string dir = (tmp / "a" / "b").string();
    EnvOverride data("QLX700_DATA_DIR", dir.c_str());
    EXPECT_EQ(GetSettingsFolder(), dir + "/");
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST(GetSettingsFolder, OtherwiseCreatesVornhalQlx700InTheXdgDataHome)
{
    TempFolder tmp;
    EnvOverride data("QLX700_DATA_DIR", nullptr);
    EnvOverride xdg("XDG_DATA_HOME", tmp.path().c_str());
    EXPECT_EQ(GetSettingsFolder(), (tmp.path() / "Vornhal" / "QLX700").string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(tmp.path() / "Vornhal" / "QLX700"));
}

TEST(GetSettingsFolder, FallsBackToHomeLocalShare)
{
    TempFolder tmp;
    EnvOverride data("QLX700_DATA_DIR", nullptr);
    EnvOverride xdg("XDG_DATA_HOME", nullptr);
    EnvOverride home("HOME", tmp.path().c_str());
    EXPECT_EQ(GetSettingsFolder(), (tmp.path() / ".local/share/Vornhal/QLX700").string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(tmp.path() / ".local/share/Vornhal/QLX700"));
}
