#include "settings/SettingsFolder.h"

#include "settings/PlatformDataFolder.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kDemoFolder = "demo";

// Empty until a demo starts; then the folder below the data folder that the demo uses.
std::filesystem::path& settingsSubfolder()
{
    static std::filesystem::path subfolder;
    return subfolder;
}

} // namespace

std::string GetSettingsFolder()
{
    std::filesystem::path folder = platformDataFolder();
    if (!settingsSubfolder().empty())
        folder /= settingsSubfolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::string text = folder.string();
    if (text.empty() || text.back() != std::filesystem::path::preferred_separator)
        text.push_back(std::filesystem::path::preferred_separator);
    return text;
}

bool UseDemoSettingsFolder(std::string& error)
{
    const std::filesystem::path folder = platformDataFolder() / kDemoFolder;
    std::error_code failure;
    std::filesystem::remove_all(folder, failure);
    if (!failure)
        std::filesystem::create_directories(folder, failure);
    if (failure) {
        error = folder.string() + ": " + failure.message();
        return false;
    }
    settingsSubfolder() = kDemoFolder;
    return true;
}
