#include "CtlConfigFiles.h"

#include "CtlSession.h"
#include "device/DeviceModel.h"
#include "settings/DeviceConfigFile.h"
#include "settings/FullConfigRead.h"
#include "settings/SettingsFolder.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kOk = 0;
constexpr int kFailure = 1;

CtlResult readConfiguration(CtlSession& session)
{
    int failed = 0;
    if (!readFullConfiguration(session.equip(), failed))
        return {kFailure, "reading the device's configuration failed at register " + std::to_string(failed)};
    return {kOk, {}};
}

// backups/<model>-<serial>-<YYYYMMDD-HHMMSS>.conf in the data folder, never an
// existing file.
std::filesystem::path backupPath(const TEquipComm& equip, std::string& error)
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
    const std::string base = std::string(modelShortName(equip.deviceType())) + "-" +
                             std::to_string(equip.image().SerialNumber()) + "-" + stamp;
    std::filesystem::path path = folder / (base + ".conf");
    for (int n = 2; std::filesystem::exists(path); ++n)
        path = folder / (base + "-" + std::to_string(n) + ".conf");
    return path;
}

} // namespace

CtlResult runSaveConfig(CtlSession& session, const std::string& file, std::ostream& out)
{
    if (auto read = readConfiguration(session); read.status != kOk)
        return read;
    std::string error;
    if (!SalvarConfiguracao(session.equip(), file, error))
        return {kFailure, "saving the configuration failed: " + error};
    out << "saved " << modelName(session.equip().deviceType()) << " configuration to " << file << "\n";
    return {kOk, {}};
}

CtlResult runLoadConfig(CtlSession& session, const std::string& file, std::ostream& out)
{
    if (!std::filesystem::is_regular_file(file))
        return {kFailure, "cannot read " + file};
    if (auto read = readConfiguration(session); read.status != kOk)
        return read;

    // What the device holds now, so a wrong file can be undone with another load.
    TEquipComm& equip = session.equip();
    std::string error;
    const std::filesystem::path backup = backupPath(equip, error);
    if (backup.empty() || !SalvarConfiguracao(equip, backup, error))
        return {kFailure, "no backup of the device's configuration, nothing loaded: " + error};
    out << "backup of the device's configuration: " << backup.string() << "\n";

    int errorRegister = 0;
    std::string reason;
    if (!CarregarConfiguracao(equip, file, ConfigLoadOptions{}, errorRegister, &reason))
        return {kFailure, "loading " + file + " failed (error register " + std::to_string(errorRegister) + "): " + reason};
    out << "loaded " << file << " into the " << modelName(equip.deviceType()) << "\n";
    return {kOk, {}};
}
