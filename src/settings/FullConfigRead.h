#pragma once

#include <vector>

class DeviceLink;

struct RegisterRun {
    int first;
    int count;
};

// Every register a model's configuration file saves, as runs of consecutive
// registers of at most 147 (one read each). `busPosition` is the P's unit index.
std::vector<RegisterRun> configurationRuns(int deviceType, int busPosition);

enum class ConfigRead {
    Read,
    LinkFailed,     // a read or flush failed: the link's last error says why
    UnitOutsideBus, // the P answered a unit index (1951) that addresses no unit
};

// Refreshes the register image with every register the model's configuration file
// saves, so a save writes the device's current values and a load compares against
// them. The P's unit index (1951) is read first and must be 0..15. On the
// asynchronous link the reads are queued and flushed in batches. Stops at the first
// failed read or flush; `failedRegister` is then the first register of the failing
// run or batch, 1951 for a unit index outside the bus.
ConfigRead readConfigurationRegisters(DeviceLink& link, int& failedRegister);
// The same, for callers that only need to know whether it was read.
bool readFullConfiguration(DeviceLink& link, int& failedRegister);
