#include "settings/FullConfigRead.h"

#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "device/RegisterMap.h"
#include "link/RtuFrame.h"
#include "settings/DeviceConfigLayout.h"

#include <set>

namespace {

void addRange(std::set<int>& regs, int first, int count)
{
    for (int r = first; r < first + count; ++r)
        regs.insert(r);
}

} // namespace

std::vector<RegisterRun> configurationRuns(int deviceType, int busPosition)
{
    std::set<int> regs;
    addRange(regs, 1500, 1); // Language
    addRange(regs, 1600, 4); // Password
    addRange(regs, 1700, 3); // IpAddr, IpPort
    if (deviceType == kQLX700IRR) {
        addRange(regs, 1720, 16);
        addRange(regs, 1740, 16);
        addRange(regs, 1760, 3);
    }
    addRange(regs, 2000, 1); // FirmwareVersion
    addRange(regs, 2002, 1); // DeviceSignature
    addRange(regs, 2501, 2); // SerialNumber
    for (const ConfigRow& row : configRows(deviceType))
        regs.insert(row.registerAt(busPosition));

    std::vector<RegisterRun> runs;
    for (int r : regs) {
        if (!runs.empty() && runs.back().first + runs.back().count == r && runs.back().count < rtu::kMaxReadCount)
            ++runs.back().count;
        else
            runs.push_back({r, 1});
    }
    return runs;
}

ConfigRead readConfigurationRegisters(DeviceLink& link, int& failedRegister)
{
    int p = 0;
    if (link.deviceType() == kQLX700P) {
        if (!link.readRegisters(reg::P::UnitIndex.first, 1, false)) {
            failedRegister = reg::P::UnitIndex.first;
            return ConfigRead::LinkFailed;
        }
        p = link.registerValue(reg::P::UnitIndex.first);
        if (p > reg::P::kMaxBusPosition) {
            failedRegister = reg::P::UnitIndex.first;
            return ConfigRead::UnitOutsideBus;
        }
    }
    // On the asynchronous link the queued reads go out in batches whose replies stay
    // well inside the frame's 2000-byte payload.
    int batchFirst = 0;
    int batchCount = 0;
    const auto flush = [&] {
        if (batchCount == 0)
            return true;
        batchCount = 0;
        return link.flushQueuedReads();
    };
    for (const RegisterRun& run : configurationRuns(link.deviceType(), p)) {
        if (link.asynchronous() && batchCount + run.count > rtu::kMaxReadCount && !flush()) {
            failedRegister = batchFirst;
            return ConfigRead::LinkFailed;
        }
        if (batchCount == 0)
            batchFirst = run.first;
        if (!link.readRegisters(run.first, run.count, true)) {
            failedRegister = run.first;
            return ConfigRead::LinkFailed;
        }
        if (link.asynchronous())
            batchCount += run.count;
    }
    if (!flush()) {
        failedRegister = batchFirst;
        return ConfigRead::LinkFailed;
    }
    failedRegister = 0;
    return ConfigRead::Read;
}

bool readFullConfiguration(DeviceLink& link, int& failedRegister)
{
    return readConfigurationRegisters(link, failedRegister) == ConfigRead::Read;
}
