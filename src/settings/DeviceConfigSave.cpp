#include "settings/DeviceConfigFile.h"

#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "settings/DaysSince1899.h"
#include "settings/DeviceConfigLayout.h"
#include "settings/FullConfigRead.h"
#include "settings/IniFile.h"
#include "settings/PasswordCoding.h"
#include "settings/RealText.h"
#include "settings/TextEncoding.h"

#include <optional>

namespace {

void writeGeneral(IniFile& ini, const RegisterImage& img, int type, std::chrono::system_clock::time_point now)
{
    std::array<std::uint8_t, 4> password{};
    for (std::size_t i = 0; i < password.size(); ++i)
        password[i] = static_cast<std::uint8_t>(img.value(reg::common::Password, static_cast<int>(i)) & 0xFF);
    ini.writeInteger(kGeneralConfSection, "Senha", encodePassword(password));
    ini.writeInteger(kGeneralConfSection, "Language", img.value(reg::common::Language));
    ini.writeInteger(kGeneralConfSection, "IpAddr", static_cast<std::int32_t>(img.IpAddr()));
    ini.writeInteger(kGeneralConfSection, "IpPort", img.value(reg::common::IpPort));
    if (type == kQLX700IRR) {
        // Device texts are 8-bit characters, as Windows-1252 writes them.
        ini.writeString(kGeneralConfSection, "WifiSsid", cp1252ToUtf8(img.text(reg::common::WifiSsid)));
        ini.writeString(kGeneralConfSection, "WifiPass", cp1252ToUtf8(img.text(reg::common::WifiPass)));
        for (int k = 1; k <= 3; ++k)
            ini.writeInteger(kGeneralConfSection, "WifiPort" + std::to_string(k),
                             img.value(reg::common::WifiPort, k - 1));
    }
    ini.writeInteger(kGeneralConfSection, "FirmwareVersion", img.value(reg::common::FirmwareVersion));
    ini.writeInteger(kGeneralConfSection, "SerialNumber", img.SerialNumber());
    ini.writeString(kGeneralConfSection, "DateTimeGenerated", formatDouble(localDaysSince1899(now)));
    ini.writeInteger(kGeneralConfSection, "DeviceSignature", img.value(reg::common::DeviceSignature));
}

// The first register the file would hold that this connection never received.
std::optional<int> unreadRegister(const DeviceLink& link, int busPosition)
{
    for (const RegisterRun& run : configurationRuns(link.deviceType(), busPosition)) {
        for (int r = run.first; r < run.first + run.count; ++r) {
            if (!link.received(r))
                return r;
        }
    }
    return std::nullopt;
}

} // namespace

bool saveConfiguration(const DeviceLink& link, const std::filesystem::path& file, std::string& error,
                       std::chrono::system_clock::time_point now)
{
    const int type = link.deviceType();
    int p = 0;
    if (type == kQLX700P) {
        if (!link.received(reg::P::UnitIndex.first)) {
            error = "the unit index (register 1951) was not read from the device";
            return false;
        }
        p = link.registerValue(reg::P::UnitIndex.first);
        if (p > 15) {
            error = "unit index " + std::to_string(p) + " (register 1951) is outside 0..15";
            return false;
        }
    }
    // A value never read would go into the file as a zero the device never held.
    if (const auto unread = unreadRegister(link, p)) {
        error = "register " + std::to_string(*unread) + " was not read from the device";
        return false;
    }
    IniFile ini(file);
    writeGeneral(ini, link.image(), type, now);
    for (const ConfigRow& row : configRows(type))
        ini.writeInteger(row.section, row.key, link.registerValue(row.registerAt(p)));
    return ini.save(error);
}
