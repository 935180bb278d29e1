#include "settings/DeviceConfigFile.h"

#include "device/DeviceLink.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "device/RegisterMap.h"
#include "settings/ConfigLoadPlan.h"
#include "settings/DeviceConfigLayout.h"
#include "settings/IniFile.h"

#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Writes a checked plan into the device. Every write asks for queueing and is not
// forced: on serial and UDP each is written and read back at once, a register the
// image already holds as received is skipped; on the asynchronous link they collect in
// the queue and the final flush (with its read-back) decides the outcome.
class ConfigLoader {
public:
    ConfigLoader(DeviceLink& link, const ConfigLoadPlan& plan, const ConfigLoadOptions& options,
                 const ConfigPause& pause, const ConfigProgress& progress, ConfigLoadOutcome& outcome)
        : link_(link)
        , plan_(plan)
        , options_(options)
        , pause_(pause)
        , progress_(progress)
        , outcome_(outcome)
    {
    }

    bool run()
    {
        const int total = plan_.rowCount();
        int done = 0;
        bool generalDone = !options_.general;
        for (const PlannedWrite& w : plan_.writes()) {
            const bool ok = w.kind == PlannedWrite::Kind::BusAddress ? loadBusAddress(w) : loadWords(w);
            if (!ok)
                return false;
            if (!w.endsRow)
                continue;
            if (!generalDone) {
                generalDone = true;
                pause_(std::chrono::milliseconds(50));
            }
            if (progress_)
                progress_(++done, total);
        }
        return flushPending();
    }

private:
    struct Written {
        int reg;
        std::uint16_t value;
        const std::string* key;
    };

    std::string linkReason() const { return describeLinkError(link_.lastError()); }

    bool fail(int errorRegister, std::string why)
    {
        // What was queued before the failure goes out, as a serial link would have
        // written it already; its outcome no longer changes the result.
        if (link_.asynchronous() && pending_) {
            pending_ = false;
            link_.flushQueuedWrites();
        }
        outcome_.errorRegister = errorRegister;
        outcome_.reason = std::move(why);
        return false;
    }

    // After a flush whose read-back disagreed: every queued register that reads back
    // another value, not only the first.
    void listDiffering()
    {
        for (std::size_t i = 0; i < queued_.size(); ++i) {
            const Written& w = queued_[i];
            bool last = true;
            for (std::size_t j = i + 1; j < queued_.size() && last; ++j)
                last = queued_[j].reg != w.reg;
            if (last && link_.received(w.reg) && link_.registerValue(w.reg) != w.value)
                outcome_.differing.push_back(*w.key + " (register " + std::to_string(w.reg) + ") reads "
                                             + std::to_string(link_.registerValue(w.reg)) + ", not "
                                             + std::to_string(w.value));
        }
    }

    bool flushPending()
    {
        if (!link_.asynchronous() || !pending_)
            return true;
        pending_ = false;
        if (!link_.flushQueuedWrites()) {
            const LinkError e = link_.lastError();
            if (e.fault == LinkFault::ReadBackDiffers)
                listDiffering();
            outcome_.errorRegister = pendingError_;
            outcome_.reason = "the queued writes from register " + std::to_string(pendingError_)
                + " failed: " + describeLinkError(e);
            return false;
        }
        queued_.clear();
        return true;
    }

    bool loadWords(const PlannedWrite& w)
    {
        const int first = w.busOffset ? w.reg + busPosition_ : w.reg;
        const int errorRegister = w.busOffset ? w.errorRegister + busPosition_ : w.errorRegister;
        bool changed = false;
        for (std::size_t i = 0; i < w.values.size(); ++i) {
            const int reg = first + static_cast<int>(i);
            changed = changed || !link_.received(reg) || link_.registerValue(reg) != w.values[i];
        }
        if (!link_.writeRegisters(first, w.values, true, false)) {
            const LinkError e = link_.lastError();
            if (e.fault == LinkFault::ReadBackDiffers)
                outcome_.differing.push_back(w.key + " (register " + std::to_string(e.reg) + ") reads "
                                             + std::to_string(e.value) + ", not "
                                             + std::to_string(w.values[static_cast<std::size_t>(e.reg - first)]));
            const std::string what = w.values.size() == 1
                ? "register " + std::to_string(first)
                : "registers " + std::to_string(first) + ".." + std::to_string(first + static_cast<int>(w.values.size()) - 1);
            return fail(errorRegister, "write of " + what + " (" + w.key + ") failed: " + linkReason());
        }
        if (link_.asynchronous() && changed) {
            if (!pending_) {
                pending_ = true;
                pendingError_ = errorRegister;
            }
            for (std::size_t i = 0; i < w.values.size(); ++i)
                queued_.push_back({first + static_cast<int>(i), w.values[i], &w.key});
        }
        return true;
    }

    // The P's own address goes to its unit index at once; the index read back after
    // the device has settled gives the bus position of the rows that follow.
    bool loadBusAddress(const PlannedWrite& w)
    {
        if (!flushPending())
            return false;
        const int before = link_.registerValue(reg::P::UnitIndex.first);
        if (!link_.writeRegister(reg::P::UnitIndex.first, w.values[0], true, false)
            || (link_.asynchronous() && !link_.flushQueuedWrites()))
            return fail(w.errorRegister, "write of the unit index 1951 (" + w.key + ") failed: " + linkReason());
        pause_(std::chrono::milliseconds(300));
        if (!link_.readRegisters(reg::P::UnitIndex.first, 1, false))
            return fail(w.errorRegister, "read-back of the unit index 1951 failed: " + linkReason());
        const int p = link_.registerValue(reg::P::UnitIndex.first);
        if (p > reg::P::kMaxBusPosition)
            return fail(w.errorRegister, "the unit index 1951 reads " + std::to_string(p) + ", outside 0..15");
        busPosition_ = p;
        return p == before || refreshBusRows();
    }

    // The image was refreshed at the old position: read the rows of the new one, so
    // the writes that follow compare against what the device holds there.
    bool refreshBusRows()
    {
        int first = 0;
        for (const ConfigRow& row : configRows(link_.deviceType())) {
            if (row.kind != ConfigRow::Kind::Word || !row.busOffset)
                continue;
            const int reg = row.registerAt(busPosition_);
            first = first == 0 ? reg : first;
            if (!link_.readRegisters(reg, 1, true))
                return fail(reg, "read of register " + std::to_string(reg) + " at the new bus position failed: "
                                     + linkReason());
        }
        if (link_.asynchronous() && !link_.flushQueuedReads())
            return fail(first, "read of the registers at the new bus position failed: " + linkReason());
        return true;
    }

    DeviceLink& link_;
    const ConfigLoadPlan& plan_;
    const ConfigLoadOptions& options_;
    const ConfigPause& pause_;
    const ConfigProgress& progress_;
    ConfigLoadOutcome& outcome_;
    int busPosition_ = 0;
    bool pending_ = false;
    int pendingError_ = 0;
    std::vector<Written> queued_;
};

// Reads the file into `ini` (the plan's) and checks that it is this model's.
bool readModelFile(int type, const std::filesystem::path& file, IniFile& ini, ConfigLoadPlan& plan,
                   ConfigLoadOutcome& outcome)
{
    const auto refuse = [&](const std::string& why) {
        outcome.errorRegister = -1;
        outcome.reason = why;
        return false;
    };
    std::string error;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return refuse("cannot read " + file.string() + ": "
                      + (std::filesystem::exists(file, ec) ? "not a regular file" : "No such file or directory"));
    ini.setPath(file);
    if (!ini.load(error))
        return refuse(error);
    const std::string model(modelName(type));
    std::int64_t signature = 0;
    if (!plan.signature(outcome, signature))
        return false;
    if (signature != 0 && signature != configSignature(type)) {
        const std::string other = signatureModelName(static_cast<int>(signature));
        return refuse(file.string() + " is not a " + model + " configuration: it is "
                      + (other.empty() ? "of no known model" : "a " + other + " file") + " (signature "
                      + std::to_string(signature) + ")");
    }
    // Without any of the model's own sections (an empty or cut file, another model's
    // file without a signature) the load would write nothing but defaults.
    bool own = false;
    for (const std::string& section : configOwnSections(type))
        own = own || ini.hasSection(section);
    if (!own)
        return refuse(file.string() + " holds no " + model + " configuration");
    return true;
}

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

bool checkConfigurationFile(int deviceType, const std::filesystem::path& file, const ConfigLoadOptions& options,
                            ConfigLoadOutcome& outcome)
{
    outcome = {};
    IniFile ini;
    ConfigLoadPlan plan(deviceType, ini, options);
    return readModelFile(deviceType, file, ini, plan, outcome) && plan.build(outcome);
}

bool loadConfiguration(DeviceLink& link, const std::filesystem::path& file, const ConfigLoadOptions& options,
                       ConfigLoadOutcome& outcome, const ConfigPause& pause, const ConfigProgress& progress)
{
    outcome = {};
    IniFile ini;
    ConfigLoadPlan plan(link.deviceType(), ini, options);
    if (!readModelFile(link.deviceType(), file, ini, plan, outcome) || !plan.build(outcome))
        return false;
    const ConfigPause sleeper = [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); };
    ConfigLoader loader(link, plan, options, pause ? pause : sleeper, progress, outcome);
    return loader.run();
}
