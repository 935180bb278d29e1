#include "settings/ConfigBackup.h"

#include "device/DeviceLink.h"
#include "device/DeviceModel.h"
#include "settings/DeviceConfigFile.h"
#include "settings/SettingsFolder.h"

#include <chrono>
#include <ctime>
#include <system_error>

std::filesystem::path saveConfigBackup(const DeviceLink& link, std::string& error)
{
    const std::filesystem::path folder = std::filesystem::path(GetSettingsFolder()) / "backups";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder.string() + ": " + ec.message();
        return {};
    }
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = std::string(modelShortName(link.deviceType())) + "-" +
                             std::to_string(link.image().SerialNumber()) + "-" + stamp;
    std::filesystem::path path = folder / (base + ".conf");
    for (int n = 2; std::filesystem::exists(path); ++n)
        path = folder / (base + "-" + std::to_string(n) + ".conf");
    if (!saveConfiguration(link, path, error))
        return {};
    return path;
}
