#include "settings/SettingsFolder.h"

#include "settings/PlatformDataFolder.h"

#include <system_error>

std::string GetSettingsFolder()
{
    const std::filesystem::path folder = platformDataFolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::string text = folder.string();
    if (text.empty() || text.back() != std::filesystem::path::preferred_separator)
        text.push_back(std::filesystem::path::preferred_separator);
    return text;
}
