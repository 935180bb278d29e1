#include "settings/SettingsStore.h"

#include "settings/SettingsFolder.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* kGeneral = "GeneralSection";
constexpr const char* kRelaysSection = "Relays";
constexpr const char* kRelaysIrrSection = "RelaysQLX700IRR";
constexpr const char* kDefaultHost = "localhost";

// Key suffix of each device type's group; the T's keys carry none. The C group is
// kept too, so its connection survives a restart like the others'.
constexpr std::array<const char*, kDeviceTypeCount> kSuffix{"", "_QLX700P", "_QLX700R", "_QLX700IRR", "_QLX700C"};
// The groups after "DetectFalhaSave", in file order.
constexpr std::array<int, 4> kLaterGroups{kQLX700P, kQLX700R, kQLX700IRR, kQLX700C};

struct IrrDefaults {
    const char* pump;
    const char* branchPrefix;
};
constexpr std::array<IrrDefaults, 3> kIrrDefaults{{{"Bomba", "Ramal "}, {"Pump", "Branch "}, {"Bomba", "Rama "}}};

void readGroup(const IniFile& ini, int type, ConnectionSettings& c)
{
    const std::string s = kSuffix[static_cast<std::size_t>(type)];
    const ConnectionSettings d;
    c.LastConfFile = ini.readString(kGeneral, "LastConfFile" + s, "");
    c.LastDeviceIP = ini.readString(kGeneral, "LastDeviceIP" + s, "");
    c.LastPCIP = ini.readString(kGeneral, "LastPCIP" + s, "");
    c.LastIPPort = ini.readInt(kGeneral, "LastIPPort" + s, d.LastIPPort);
    c.LastAddress = ini.readString(kGeneral, "LastAddress" + s, kDefaultHost);
    c.LastModBusAddr = ini.readInt(kGeneral, "LastModBusAddr" + s, d.LastModBusAddr);
    c.LastSerialBaudRate = ini.readInt(kGeneral, "LastSerialBaudRate" + s, d.LastSerialBaudRate);
    c.LastSerialFormat = ini.readInt(kGeneral, "LastSerialFormat" + s, d.LastSerialFormat);
}

void writeGroup(IniFile& ini, int type, const ConnectionSettings& c)
{
    const std::string s = kSuffix[static_cast<std::size_t>(type)];
    ini.writeString(kGeneral, "LastConfFile" + s, c.LastConfFile);
    ini.writeString(kGeneral, "LastDeviceIP" + s, c.LastDeviceIP);
    ini.writeString(kGeneral, "LastPCIP" + s, c.LastPCIP);
    ini.writeInteger(kGeneral, "LastIPPort" + s, c.LastIPPort);
    ini.writeString(kGeneral, "LastAddress" + s, c.LastAddress);
    ini.writeInteger(kGeneral, "LastModBusAddr" + s, c.LastModBusAddr);
    ini.writeInteger(kGeneral, "LastSerialBaudRate" + s, c.LastSerialBaudRate);
    ini.writeInteger(kGeneral, "LastSerialFormat" + s, c.LastSerialFormat);
}

std::string nameKey(int k)
{
    return "Name" + std::to_string(k);
}

} // namespace

bool SettingsStore::open(const std::filesystem::path& folder, std::string& error)
{
    if (opened_)
        return true;
    opened_ = true;
    ini_.setPath(folder / kFileName);
    return ini_.load(error);
}

bool SettingsStore::load(SettingsRecord& r, const std::filesystem::path& folder, std::string& error)
{
    const bool ok = open(folder, error);
    r.LastEventLogPath = ini_.readString(kGeneral, "LastEventLogPath", "");
    const int language = ini_.readInt(kGeneral, "LastLanguage", 0);
    // Texts come from three-entry tables: any other stored value shows Portuguese.
    r.LastLanguage = language >= 0 && language <= 2 ? language : 0;
    const int device = ini_.readInt(kGeneral, "LastDevice", 0);
    r.LastDevice = device >= 0 && device < kDeviceTypeCount ? device : 0;
    readGroup(ini_, kQLX700T, r.connection(kQLX700T));
    for (int k = 1; k <= 10; ++k)
        r.RelayNames[static_cast<std::size_t>(k - 1)] =
            ini_.readString(kRelaysSection, nameKey(k), "RL" + std::to_string(k));
    r.LastFaultDetectionPath = ini_.readString(kGeneral, "DetectFalhaSave", "");
    for (int type : kLaterGroups)
        readGroup(ini_, type, r.connection(type));

    // The irrigation names default by the language as stored: 0 Portuguese,
    // 1 English, anything else Spanish.
    const IrrDefaults& d = kIrrDefaults[language == 0 ? 0 : language == 1 ? 1 : 2];
    r.IrrRelayNames[0] = ini_.readString(kRelaysIrrSection, nameKey(1), d.pump);
    for (int k = 2; k <= 6; ++k)
        r.IrrRelayNames[static_cast<std::size_t>(k - 1)] = ini_.readString(kRelaysIrrSection, nameKey(k), d.branchPrefix + std::to_string(k - 1));
    for (int k = 7; k <= 10; ++k)
        r.IrrRelayNames[static_cast<std::size_t>(k - 1)].clear();
    r.LastRecordsPath = ini_.readString(kRelaysIrrSection, "RecFilePath", "");
    r.Retries = std::clamp(ini_.readInt(kGeneral, "Retries", 2), 0, 10);
    return ok;
}

bool SettingsStore::save(const SettingsRecord& r, const std::filesystem::path& folder, std::string& error)
{
    if (!opened_ && !open(folder, error))
        return false;
    ini_.writeString(kGeneral, "LastEventLogPath", r.LastEventLogPath);
    ini_.writeInteger(kGeneral, "LastLanguage", r.LastLanguage);
    ini_.writeInteger(kGeneral, "LastDevice", r.LastDevice);
    writeGroup(ini_, kQLX700T, r.connection(kQLX700T));
    for (int k = 1; k <= 10; ++k)
        ini_.writeString(kRelaysSection, nameKey(k), r.RelayNames[static_cast<std::size_t>(k - 1)]);
    ini_.writeString(kGeneral, "DetectFalhaSave", r.LastFaultDetectionPath);
    for (int type : kLaterGroups)
        writeGroup(ini_, type, r.connection(type));
    for (int k = 1; k <= 10; ++k)
        ini_.writeString(kRelaysIrrSection, nameKey(k), r.IrrRelayNames[static_cast<std::size_t>(k - 1)]);
    ini_.writeString(kRelaysIrrSection, "RecFilePath", r.LastRecordsPath);
    ini_.writeInteger(kGeneral, "Retries", r.Retries);
    return ini_.save(error);
}

namespace {

SettingsStore& processSettingsStore()
{
    static SettingsStore store;
    return store;
}

} // namespace

SettingsRecord& Settings()
{
    static SettingsRecord record;
    return record;
}

bool LoadSettings(std::string* error)
{
    std::string reason;
    const bool ok = processSettingsStore().load(Settings(), GetSettingsFolder(), reason);
    if (error != nullptr)
        *error = reason;
    return ok;
}

bool SaveSettings(std::string* error)
{
    std::string reason;
    const bool ok = processSettingsStore().save(Settings(), GetSettingsFolder(), reason);
    if (error != nullptr)
        *error = reason;
    return ok;
}
