#include "settings/ConfigLoadPlan.h"

#include "device/DeviceType.h"
#include "device/RegisterMap.h"
#include "settings/DeviceConfigLayout.h"
#include "settings/IniFile.h"
#include "settings/PasswordCoding.h"
#include "settings/TextEncoding.h"

#include <array>
#include <climits>

namespace {

constexpr std::uint32_t kDefaultIpAddr = 0xC0A80032; // 192.168.0.50
constexpr const char* kDefaultWifiSsid = "Ssid";
constexpr const char* kDefaultWifiPass = "wifi";
constexpr std::array<int, 3> kDefaultWifiPorts{43101, 502, 503};

// The password and the address are 32-bit numbers that files hold signed or unsigned.
bool fits32(std::int64_t v) { return v >= INT32_MIN && v <= static_cast<std::int64_t>(UINT32_MAX); }

} // namespace

ConfigLoadPlan::ConfigLoadPlan(int deviceType, const IniFile& ini, const ConfigLoadOptions& options)
    : type_(deviceType)
    , ini_(ini)
    , options_(options)
{
}

bool ConfigLoadPlan::refuse(ConfigLoadOutcome& outcome, const std::string& why, int errorRegister)
{
    outcome.errorRegister = errorRegister;
    outcome.reason = why;
    writes_.clear();
    return false;
}

bool ConfigLoadPlan::number(const std::string& section, const std::string& key, std::int64_t fallback,
                            std::int64_t& value, ConfigLoadOutcome& outcome, int errorRegister,
                            const std::string& outOfRange)
{
    value = fallback;
    const auto text = ini_.value(section, key);
    if (!text)
        return true;
    if (const auto parsed = IniFile::parseInteger(*text)) {
        value = *parsed;
        return true;
    }
    const std::string what = key + " = " + *text;
    // A number too large for 64 bits is a wrong value, not a missing one: its default
    // must not go to the device in its place.
    if (IniFile::isIntegerText(*text))
        return refuse(outcome, "[" + section + "] " + what + " " + outOfRange, errorRegister);
    if (options_.strict)
        return refuse(outcome, "[" + section + "] " + what + " is not an integer", errorRegister);
    outcome.defaulted.push_back(what);
    return true;
}

bool ConfigLoadPlan::word(const std::string& section, const std::string& key, std::int64_t fallback,
                          std::uint16_t& value, ConfigLoadOutcome& outcome, int errorRegister)
{
    static const std::string kOutside = "is outside 0..65535";
    std::int64_t v = 0;
    if (!number(section, key, fallback, v, outcome, errorRegister, kOutside))
        return false;
    if (v < 0 || v > 0xFFFF)
        return refuse(outcome, "[" + section + "] " + key + " = " + std::to_string(v) + " " + kOutside, errorRegister);
    value = static_cast<std::uint16_t>(v);
    return true;
}

bool ConfigLoadPlan::number32(const std::string& key, std::int64_t fallback, std::int64_t& value,
                              ConfigLoadOutcome& outcome, int errorRegister)
{
    static const std::string kNot32 = "is not a 32-bit number";
    if (!number(kGeneralConfSection, key, fallback, value, outcome, errorRegister, kNot32))
        return false;
    if (fits32(value))
        return true;
    // Appended piece by piece: GCC 12 misreads a chain of + on temporaries here (-Wstringop-overflow).
    std::string why = "[";
    why.append(kGeneralConfSection).append("] ").append(key).append(" = ").append(std::to_string(value));
    why.append(" ").append(kNot32);
    return refuse(outcome, why, errorRegister);
}

bool ConfigLoadPlan::signature(ConfigLoadOutcome& outcome, std::int64_t& value)
{
    return number(kGeneralConfSection, "DeviceSignature", 0, value, outcome, -1, "is not a device signature");
}

bool ConfigLoadPlan::planText(const char* key, const char* fallback, int first)
{
    const std::string bytes = utf8ToCp1252(ini_.readString(kGeneralConfSection, key, fallback));
    std::vector<std::uint16_t> words(16, 0);
    for (std::size_t i = 0; i < bytes.size() && i < 2 * words.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(bytes[i]);
        words[i / 2] |= static_cast<std::uint16_t>(i % 2 == 0 ? c : c << 8);
    }
    writes_.push_back({PlannedWrite::Kind::Words, first, false, std::move(words), key, first, false});
    return true;
}

bool ConfigLoadPlan::planGeneral(ConfigLoadOutcome& outcome)
{
    const auto single = [&](int reg, std::uint16_t v, const std::string& key) {
        writes_.push_back({PlannedWrite::Kind::Words, reg, false, {v}, key, reg, false});
    };
    std::uint16_t language = 0;
    if (!word(kGeneralConfSection, "Language", 0, language, outcome, 1500))
        return false;
    single(1500, language, "Language");

    std::int64_t codedPassword = 0;
    if (!number32("Senha", 0, codedPassword, outcome, 1600))
        return false;
    if (codedPassword != 0) {
        const auto letters = decodePassword(static_cast<std::uint32_t>(codedPassword));
        if (!isUsablePassword(letters))
            return refuse(outcome,
                          "Senha = " + std::to_string(codedPassword) + " does not decode to four capital letters",
                          1600);
        writes_.push_back({PlannedWrite::Kind::Words, 1600, false, {letters[0], letters[1], letters[2], letters[3]},
                           "Senha", 1600, false});
    }

    std::int64_t ip = 0;
    if (!number32("IpAddr", kDefaultIpAddr, ip, outcome, 1700))
        return false;
    const auto address = static_cast<std::uint32_t>(ip);
    single(1700, static_cast<std::uint16_t>(address & 0xFFFF), "IpAddr");
    single(1701, static_cast<std::uint16_t>(address >> 16), "IpAddr");
    std::uint16_t port = 0;
    if (!word(kGeneralConfSection, "IpPort", 43101, port, outcome, 1702))
        return false;
    single(1702, port, "IpPort");

    if (type_ == kQLX700IRR) {
        planText("WifiSsid", kDefaultWifiSsid, 1720);
        planText("WifiPass", kDefaultWifiPass, 1740);
        std::vector<std::uint16_t> ports(3, 0);
        for (std::size_t k = 0; k < ports.size(); ++k) {
            const std::string key = "WifiPort" + std::to_string(k + 1);
            if (!word(kGeneralConfSection, key, kDefaultWifiPorts[k], ports[k], outcome, 1760))
                return false;
        }
        writes_.push_back({PlannedWrite::Kind::Words, 1760, false, std::move(ports), "WifiPort", 1760, false});
    }
    writes_.back().endsRow = true;
    return true;
}

bool ConfigLoadPlan::build(ConfigLoadOutcome& outcome)
{
    writes_.clear();
    if (options_.general && !planGeneral(outcome))
        return false;
    for (const ConfigRow& row : configRows(type_)) {
        if (row.group == LoadGroup::NotLoaded || !options_.chosen(row.group))
            continue;
        std::uint16_t v = 0;
        if (!word(row.section, row.key, row.defaultValue, v, outcome, row.errorRegister))
            return false;
        if (row.kind == ConfigRow::Kind::BusAddress && v > reg::P::kMaxBusPosition)
            return refuse(outcome, "[" + row.section + "] " + row.key + " = " + std::to_string(v) + " is outside 0..15",
                          row.errorRegister);
        const auto kind = row.kind == ConfigRow::Kind::BusAddress ? PlannedWrite::Kind::BusAddress
                                                                    : PlannedWrite::Kind::Words;
        writes_.push_back({kind, row.reg, row.busOffset, {v}, row.key, row.errorRegister, true});
    }
    return true;
}

int ConfigLoadPlan::rowCount() const
{
    int rows = 0;
    for (const PlannedWrite& w : writes_)
        rows += w.endsRow ? 1 : 0;
    return rows;
}
