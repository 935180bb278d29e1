#include "settings/PlatformDataFolder.h"

#include <cstdlib>

// $QLX700_DATA_DIR when set (the tests always set it), otherwise the XDG data home
// ($XDG_DATA_HOME, by default ~/.local/share) with Vornhal/QLX700 below it.
std::filesystem::path platformDataFolder()
{
    const auto env = [](const char* name) -> std::filesystem::path {
        const char* v = std::getenv(name);
        return v != nullptr ? std::filesystem::path(v) : std::filesystem::path();
    };
    if (auto dir = env("QLX700_DATA_DIR"); !dir.empty())
        return dir;
    std::filesystem::path base = env("XDG_DATA_HOME");
    if (base.empty() || base.is_relative()) {
        const std::filesystem::path home = env("HOME");
        base = home.empty() ? std::filesystem::current_path() : home / ".local" / "share";
    }
    return base / "Vornhal" / "QLX700";
}
