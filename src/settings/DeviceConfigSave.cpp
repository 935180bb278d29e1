#include "settings/DeviceConfigFile.h"

#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "settings/DaysSince1899.h"
#include "settings/FullConfigRead.h"
#include "settings/IniFile.h"
#include "settings/PasswordCoding.h"
#include "settings/RealText.h"
#include "settings/TextEncoding.h"

#include <optional>

namespace {

constexpr const char* kGeneral = "GeneralConf";

void writeGeneral(IniFile& ini, const RegisterImage& img, int type, std::chrono::system_clock::time_point now)
{
    std::array<std::uint8_t, 4> senha{};
    for (std::size_t i = 0; i < senha.size(); ++i)
        senha[i] = static_cast<std::uint8_t>(img.value(reg::common::Senha, static_cast<int>(i)) & 0xFF);
    ini.writeInteger(kGeneral, "Senha", encodeSenha(senha));
    ini.writeInteger(kGeneral, "Language", img.value(reg::common::Language));
    ini.writeInteger(kGeneral, "IpAddr", static_cast<std::int32_t>(img.IpAddr()));
    ini.writeInteger(kGeneral, "IpPort", img.value(reg::common::IpPort));
    if (type == kQLX700IRR) {
        // Device texts are 8-bit characters, as Windows-1252 writes them.
        ini.writeString(kGeneral, "WifiSsid", cp1252ToUtf8(img.text(reg::common::WifiSsid)));
        ini.writeString(kGeneral, "WifiPass", cp1252ToUtf8(img.text(reg::common::WifiPass)));
        for (int k = 1; k <= 3; ++k)
            ini.writeInteger(kGeneral, "WifiPort" + std::to_string(k), img.value(reg::common::WifiPort, k - 1));
    }
    ini.writeInteger(kGeneral, "FirmwareVersion", img.value(reg::common::FirmwareVersion));
    ini.writeInteger(kGeneral, "SerialNumber", img.SerialNumber());
    ini.writeString(kGeneral, "DateTimeGenerated", formatDouble(localDaysSince1899(now)));
    ini.writeInteger(kGeneral, "DeviceSignature", img.value(reg::common::DeviceSignature));
}

// The first register the file would hold that this connection never received.
std::optional<int> unreadRegister(const TEquipComm& equip, int busPosition)
{
    for (const RegisterRun& run : configurationRuns(equip.deviceType(), busPosition)) {
        for (int r = run.first; r < run.first + run.count; ++r) {
            if (!equip.received(r))
                return r;
        }
    }
    return std::nullopt;
}

} // namespace

bool SalvarConfiguracao(const TEquipComm& equip, const std::filesystem::path& file, std::string& error,
                        std::chrono::system_clock::time_point now)
{
    const int type = equip.deviceType();
    int p = 0;
    if (type == kQLX700P) {
        if (!equip.received(reg::P::IndiceUnidade.first)) {
            error = "the unit index (register 1951) was not read from the device";
            return false;
        }
        p = equip.registerValue(reg::P::IndiceUnidade.first);
        if (p > 15) {
            error = "unit index " + std::to_string(p) + " (register 1951) is outside 0..15";
            return false;
        }
    }
    // A value never read would go into the file as a zero the device never held.
    if (const auto unread = unreadRegister(equip, p)) {
        error = "register " + std::to_string(*unread) + " was not read from the device";
        return false;
    }
    IniFile ini(file);
    writeGeneral(ini, equip.image(), type, now);
    for (const ConfigRow& row : configRows(type))
        ini.writeInteger(row.section, row.key, equip.registerValue(row.registerAt(p)));
    return ini.save(error);
}
