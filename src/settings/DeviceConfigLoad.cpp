#include "settings/DeviceConfigFile.h"

#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "settings/IniFile.h"
#include "settings/PasswordCoding.h"
#include "settings/TextEncoding.h"

#include <array>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

constexpr const char* kGeneral = "GeneralConf";
constexpr std::uint32_t kDefaultIpAddr = 0xC0A80032; // 192.168.0.50
constexpr const char* kDefaultWifiSsid = "Ssid";
constexpr const char* kDefaultWifiPass = "wifi";
constexpr std::array<int, 3> kDefaultWifiPorts{43101, 502, 503};
constexpr int kUnitIndexRegister = 1951;
constexpr int kMaxBusPosition = 15;

// Writes one file into the device. Every write asks for queueing and is not forced:
// on serial and UDP each is written and read back at once, a register the image
// already holds is skipped; on the asynchronous link they collect in the queue and
// the final flush decides the outcome.
class ConfigLoader {
public:
    ConfigLoader(TEquipComm& equip, const IniFile& ini, const ConfigLoadOptions& options, const ConfigPause& pause,
                 const ConfigProgress& progress)
        : equip_(equip)
        , ini_(ini)
        , options_(options)
        , pause_(pause)
        , progress_(progress)
    {
    }

    bool run()
    {
        std::vector<const ConfigRow*> rows;
        for (const ConfigRow& row : configRows(equip_.deviceType())) {
            if (row.group != LoadGroup::NotLoaded && options_.chosen(row.group))
                rows.push_back(&row);
        }
        // The general block counts as one row.
        const int total = static_cast<int>(rows.size()) + (options_.general ? 1 : 0);
        int done = 0;
        const auto advance = [&] {
            if (progress_)
                progress_(++done, total);
        };
        if (options_.general) {
            if (!loadGeneral())
                return false;
            advance();
        }
        for (const ConfigRow* row : rows) {
            const bool ok = row->kind == ConfigRow::Kind::EnderecoBus ? loadBusAddress(*row) : loadRow(*row);
            if (!ok)
                return false;
            advance();
        }
        return flushPending();
    }

    int errorRegister() const { return error_; }
    const std::string& reason() const { return reason_; }

private:
    bool fail(int errorRegister, std::string why)
    {
        // What was queued before the failure goes out, as a serial link would have
        // written it already; its outcome no longer changes the result.
        if (equip_.asynchronous() && pending_) {
            pending_ = false;
            equip_.flushQueuedWrites();
        }
        error_ = errorRegister;
        reason_ = std::move(why);
        return false;
    }

    void noteQueued(bool changed, int errorRegister)
    {
        if (equip_.asynchronous() && changed && !pending_) {
            pending_ = true;
            pendingError_ = errorRegister;
        }
    }

    bool flushPending()
    {
        if (!equip_.asynchronous() || !pending_)
            return true;
        pending_ = false;
        if (!equip_.flushQueuedWrites()) {
            error_ = pendingError_;
            reason_ = "the device refused the queued writes (from register " + std::to_string(pendingError_) + ")";
            return false;
        }
        return true;
    }

    bool writeWord(int reg, std::int64_t value, int errorRegister, const std::string& key)
    {
        if (value < 0 || value > 0xFFFF)
            return fail(errorRegister, key + " = " + std::to_string(value) + " is outside 0..65535");
        const bool changed = equip_.registerValue(reg) != value;
        if (!equip_.writeRegister(reg, static_cast<int>(value), true, false))
            return fail(errorRegister, "write of register " + std::to_string(reg) + " (" + key + ") failed");
        noteQueued(changed, errorRegister);
        return true;
    }

    bool writeBlock(int first, std::span<const std::uint16_t> values, const std::string& key)
    {
        bool changed = false;
        for (std::size_t i = 0; i < values.size(); ++i)
            changed = changed || equip_.registerValue(first + static_cast<int>(i)) != values[i];
        if (!equip_.writeRegisters(first, values, true, false))
            return fail(first, "write of registers " + std::to_string(first) + ".." +
                                   std::to_string(first + static_cast<int>(values.size()) - 1) + " (" + key + ") failed");
        noteQueued(changed, first);
        return true;
    }

    std::int64_t number(const std::string& section, const std::string& key, std::int64_t fallback) const
    {
        return ini_.readInteger(section, key, fallback);
    }

    // The password and the address are 32-bit numbers that files hold signed or unsigned.
    static bool fits32(std::int64_t v) { return v >= INT32_MIN && v <= static_cast<std::int64_t>(UINT32_MAX); }

    bool loadText(const char* key, const char* fallback, int first)
    {
        const std::string bytes = utf8ToCp1252(ini_.readString(kGeneral, key, fallback));
        std::array<std::uint16_t, 16> words{};
        for (std::size_t i = 0; i < bytes.size() && i < 2 * words.size(); ++i) {
            const auto c = static_cast<std::uint8_t>(bytes[i]);
            words[i / 2] |= static_cast<std::uint16_t>(i % 2 == 0 ? c : c << 8);
        }
        return writeBlock(first, words, key);
    }

    bool loadGeneral()
    {
        if (!writeWord(1500, number(kGeneral, "Language", 0), 1500, "Language"))
            return false;
        const std::int64_t senha = number(kGeneral, "Senha", 0);
        if (senha != 0) {
            if (!fits32(senha))
                return fail(1600, "Senha is not a 32-bit number");
            const auto letters = decodeSenha(static_cast<std::uint32_t>(senha));
            if (!isUsableSenha(letters))
                return fail(1600, "Senha does not decode to four capital letters");
            const std::array<std::uint16_t, 4> words{letters[0], letters[1], letters[2], letters[3]};
            if (!writeBlock(1600, words, "Senha"))
                return false;
        }
        const std::int64_t ip = number(kGeneral, "IpAddr", kDefaultIpAddr);
        if (!fits32(ip))
            return fail(1700, "IpAddr is not a 32-bit number");
        const auto address = static_cast<std::uint32_t>(ip);
        if (!writeWord(1700, address & 0xFFFF, 1700, "IpAddr") || !writeWord(1701, address >> 16, 1701, "IpAddr")
            || !writeWord(1702, number(kGeneral, "IpPort", 43101), 1702, "IpPort"))
            return false;
        if (equip_.deviceType() == kQLX700IRR) {
            if (!loadText("WifiSsid", kDefaultWifiSsid, 1720) || !loadText("WifiPass", kDefaultWifiPass, 1740))
                return false;
            std::array<std::uint16_t, 3> ports{};
            for (std::size_t k = 0; k < ports.size(); ++k) {
                const std::string key = "WifiPort" + std::to_string(k + 1);
                const std::int64_t v = number(kGeneral, key, kDefaultWifiPorts[k]);
                if (v < 0 || v > 0xFFFF)
                    return fail(1760, key + " = " + std::to_string(v) + " is outside 0..65535");
                ports[k] = static_cast<std::uint16_t>(v);
            }
            if (!writeBlock(1760, ports, "WifiPort"))
                return false;
        }
        pause_(std::chrono::milliseconds(50));
        return true;
    }

    bool loadRow(const ConfigRow& row)
    {
        const int reg = row.registerAt(busPosition_);
        const int errorRegister = row.busOffset ? row.errorRegister + busPosition_ : row.errorRegister;
        return writeWord(reg, number(row.section, row.key, row.defaultValue), errorRegister, row.key);
    }

    // The P's own address goes to its unit index at once; the index read back after
    // the device has settled gives the bus position of the rows that follow.
    bool loadBusAddress(const ConfigRow& row)
    {
        const std::int64_t v = number(row.section, row.key, row.defaultValue);
        if (v < 0 || v > kMaxBusPosition)
            return fail(row.errorRegister, "EnderecoBus = " + std::to_string(v) + " is outside 0..15");
        if (!flushPending())
            return false;
        const int before = equip_.registerValue(kUnitIndexRegister);
        if (!equip_.writeRegister(kUnitIndexRegister, static_cast<int>(v), true, false)
            || (equip_.asynchronous() && !equip_.flushQueuedWrites()))
            return fail(row.errorRegister, "write of the unit index 1951 (EnderecoBus) failed");
        pause_(std::chrono::milliseconds(300));
        if (!equip_.readRegisters(kUnitIndexRegister, 1, false))
            return fail(row.errorRegister, "read-back of the unit index 1951 failed");
        const int p = equip_.registerValue(kUnitIndexRegister);
        if (p > kMaxBusPosition)
            return fail(row.errorRegister, "the unit index 1951 reads " + std::to_string(p) + ", outside 0..15");
        busPosition_ = p;
        return p == before || refreshBusRows();
    }

    // The image was refreshed at the old position: read the rows of the new one, so
    // the writes that follow compare against what the device holds there.
    bool refreshBusRows()
    {
        int first = 0;
        for (const ConfigRow& row : configRows(equip_.deviceType())) {
            if (row.kind != ConfigRow::Kind::Word || !row.busOffset)
                continue;
            const int reg = row.registerAt(busPosition_);
            first = first == 0 ? reg : first;
            if (!equip_.readRegisters(reg, 1, true))
                return fail(reg, "read of register " + std::to_string(reg) + " at the new bus position failed");
        }
        if (equip_.asynchronous() && !equip_.flushQueuedReads())
            return fail(first, "read of the registers at the new bus position failed");
        return true;
    }

    TEquipComm& equip_;
    const IniFile& ini_;
    const ConfigLoadOptions& options_;
    const ConfigPause& pause_;
    const ConfigProgress& progress_;
    int busPosition_ = 0;
    bool pending_ = false;
    int pendingError_ = 0;
    int error_ = 0;
    std::string reason_;
};

} // namespace

bool ConfigLoadOptions::chosen(LoadGroup group) const
{
    switch (group) {
    case LoadGroup::Always: return true;
    case LoadGroup::General: return general;
    case LoadGroup::Serial: return serial;
    case LoadGroup::Output: return output;
    case LoadGroup::Calculation: return calculation;
    case LoadGroup::SetPoints: return setPoints;
    case LoadGroup::Compensation: return compensation;
    case LoadGroup::Sets: return sets;
    case LoadGroup::Pressure: return pressure;
    case LoadGroup::Cycles: return cycles;
    case LoadGroup::NotLoaded: return false;
    }
    return false;
}

bool CarregarConfiguracao(TEquipComm& equip, const std::filesystem::path& file, const ConfigLoadOptions& options,
                          int& errorRegister, std::string* reason, const ConfigPause& pause,
                          const ConfigProgress& progress)
{
    const auto refuse = [&](int reg, const std::string& why) {
        errorRegister = reg;
        if (reason != nullptr)
            *reason = why;
        return false;
    };
    const int type = equip.deviceType();
    IniFile ini(file);
    std::string error;
    if (!ini.load(error))
        return refuse(-1, error);
    const std::string model(modelName(type));
    const std::int64_t signature = ini.readInteger(kGeneral, "DeviceSignature", 0);
    if (signature != 0 && signature != configSignature(type))
        return refuse(-1, file.string() + " is not a " + model + " configuration (signature " + std::to_string(signature) + ")");
    // Without any of the model's own sections (an empty or cut file, another model's
    // file without a signature) the load would write nothing but defaults.
    bool own = false;
    for (const std::string& section : configOwnSections(type))
        own = own || ini.hasSection(section);
    if (!own)
        return refuse(-1, file.string() + " holds no " + model + " configuration");

    const ConfigPause sleeper = [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); };
    ConfigLoader loader(equip, ini, options, pause ? pause : sleeper, progress);
    if (!loader.run())
        return refuse(loader.errorRegister(), loader.reason());
    errorRegister = 0;
    return true;
}
