#pragma once

#include <string>
#include <vector>

// Which option of a configuration load covers a row.
enum class LoadGroup {
    Always,
    General,
    Serial,
    Output,
    Calculation,
    SetPoints,
    Compensation,
    Sets,
    Pressure,
    Cycles,
    NotLoaded, // saved for the reader's information only
};

// The file's first section: the password, language, addresses and identity of the device.
inline constexpr const char* kGeneralConfSection = "GeneralConf";

// One value of a device configuration file after [GeneralConf]: a 16-bit register.
struct ConfigRow {
    enum class Kind {
        Word,
        // The P's own bus address (INI key EnderecoBus): saved from BusAddress of its
        // bus position, loaded into the unit index 1951, which then gives the position.
        BusAddress,
    };
    std::string section;
    std::string key;
    int reg;           // on the P with `busOffset`, plus the bus position
    int defaultValue;  // when the key is absent or not an integer
    LoadGroup group;
    int errorRegister; // reported when the write fails (the block's first register for arrays)
    bool busOffset = false;
    Kind kind = Kind::Word;

    // The register of this row for a P at bus position `p`.
    int registerAt(int p) const { return busOffset ? reg + p : reg; }
};

// The rows of a model's file after [GeneralConf], in file order (which is also the
// order a load writes them), ending with [ConfSerial].
const std::vector<ConfigRow>& configRows(int deviceType);

// The value of register 2002 that a model's file carries.
int configSignature(int deviceType);
// A file is this model's only when one of these sections is present.
const std::vector<std::string>& configOwnSections(int deviceType);
