#pragma once

#include "settings/DeviceConfigFile.h"

#include <cstdint>
#include <string>
#include <vector>

class IniFile;

// One write of a configuration load, with its value already checked.
struct PlannedWrite {
    enum class Kind {
        Words,     // values to reg, reg + 1, ... (one register or a block)
        BusAddress // the P's own address: goes to the unit index, which moves the rows after it
    };
    Kind kind = Kind::Words;
    int reg = 0;
    // On the P the register is relative to the bus position the load finds.
    bool busOffset = false;
    std::vector<std::uint16_t> values;
    std::string key;
    int errorRegister = 0;
    // The last write of a row of the file (the general block counts as one row).
    bool endsRow = true;
};

// Every write a load of `file` would make for `options`, read and checked before the
// first goes to the device: a value out of range (however large) refuses the whole
// file. A value that is not an integer takes the row's default (and refuses the file
// when strict).
class ConfigLoadPlan {
public:
    ConfigLoadPlan(int deviceType, const IniFile& ini, const ConfigLoadOptions& options);

    // False with the reason (naming key and value) and the register the value was
    // meant for in `outcome`; the keys that took their default go to
    // outcome.defaulted either way.
    bool build(ConfigLoadOutcome& outcome);
    // The file's "DeviceSignature" (0 when absent), read by the same rules as the
    // values: false with the reason (error register -1) when it cannot stand.
    bool signature(ConfigLoadOutcome& outcome, std::int64_t& value);
    const std::vector<PlannedWrite>& writes() const { return writes_; }
    int rowCount() const;

private:
    // The refusal names the register the value was meant for (-1: none).
    bool refuse(ConfigLoadOutcome& outcome, const std::string& why, int errorRegister);
    // An integer too large for 64 bits is refused, the refusal ending in `outOfRange`.
    bool number(const std::string& section, const std::string& key, std::int64_t fallback, std::int64_t& value,
                ConfigLoadOutcome& outcome, int errorRegister, const std::string& outOfRange);
    // The password and the address: 32-bit numbers, signed or unsigned.
    bool number32(const std::string& key, std::int64_t fallback, std::int64_t& value, ConfigLoadOutcome& outcome,
                  int errorRegister);
    bool word(const std::string& section, const std::string& key, std::int64_t fallback, std::uint16_t& value,
              ConfigLoadOutcome& outcome, int errorRegister);
    bool planGeneral(ConfigLoadOutcome& outcome);
    bool planText(const char* key, const char* fallback, int first);

    int type_;
    const IniFile& ini_;
    const ConfigLoadOptions& options_;
    std::vector<PlannedWrite> writes_;
};
