#pragma once

#include "SimServer.h"
#include "device/DeviceType.h"
#include "settings/FullConfigRead.h"

#include <map>
#include <vector>

// A few registers of every group of each model's configuration file, changed behind
// the tool's back (to a value the device might refuse: the load must write back
// what the file holds).
inline void changeConfigBehindTheTool(qlxsim::SimServer& sim, int type)
{
    std::vector<int> regs{1500, 1600, 1702, 1331, 1422};
    switch (type) {
    case kQLX700T: regs.insert(regs.end(), {27, 203, 312, 1006, 214}); break;
    case kQLX700P: regs.insert(regs.end(), {21, 161, 201, 301}); break;
    case kQLX700R: regs.insert(regs.end(), {45, 151, 202, 405, 708, 311}); break;
    case kQLX700IRR: regs.insert(regs.end(), {22, 32, 104, 211, 214, 1721, 1761}); break;
    case kQLX700C: regs.insert(regs.end(), {702, 707, 303}); break;
    default: break;
    }
    for (int r : regs) {
        const auto reg = static_cast<std::uint16_t>(r);
        sim.setReg(reg, static_cast<std::uint16_t>(sim.reg(reg) ^ 1));
    }
}

// Every register the model's file covers, as the device holds it.
inline std::map<int, int> configSnapshot(const qlxsim::SimServer& sim, int type)
{
    std::map<int, int> values;
    for (const RegisterRun& run : configurationRuns(type, sim.reg(1951) & 0xF)) {
        for (int r = run.first; r < run.first + run.count; ++r)
            values[r] = sim.reg(static_cast<std::uint16_t>(r));
    }
    return values;
}
