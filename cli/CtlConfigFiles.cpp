#include "CtlConfigFiles.h"

#include "CtlExitStatus.h"
#include "CtlSession.h"
#include "LinkFailureReason.h"
#include "device/DeviceModel.h"
#include "settings/DeviceConfigFile.h"
#include "settings/FullConfigRead.h"
#include "settings/ConfigBackup.h"

#include <filesystem>

CtlResult readDeviceConfiguration(CtlSession& session)
{
    DeviceLink& link = session.deviceLink();
    int failed = 0;
    switch (readConfigurationRegisters(link, failed)) {
    case ConfigRead::Read:
        return {kExitSuccess, {}};
    case ConfigRead::UnitOutsideBus:
        // The device answered; the index it holds addresses no unit of the bus.
        return {kExitFailure, "the unit index (register 1951) is " + std::to_string(link.registerValue(failed))
                                  + ", outside 0..15: no unit's configuration to read"};
    case ConfigRead::LinkFailed:
        break;
    }
    return {kExitFailure, "reading the device's configuration failed at register " + std::to_string(failed) + ": "
                              + linkFailureReason(link)};
}

CtlResult runSaveConfig(CtlSession& session, const std::string& file, std::ostream& out)
{
    if (auto read = readDeviceConfiguration(session); read.status != kExitSuccess)
        return read;
    std::string error;
    if (!saveConfiguration(session.deviceLink(), file, error))
        return {kExitFailure, "saving the configuration failed: " + error};
    out << "saved " << modelName(session.deviceLink().deviceType()) << " configuration to " << file << "\n";
    return {kExitSuccess, {}};
}

CtlResult runLoadConfig(CtlSession& session, const std::string& file, bool strict, std::ostream& out,
                        std::ostream& err)
{
    DeviceLink& deviceLink = session.deviceLink();
    ConfigLoadOptions options;
    options.strict = strict;
    // The whole file first: a file that would be refused writes nothing, not even a backup.
    ConfigLoadOutcome checked;
    if (!checkConfigurationFile(deviceLink.deviceType(), file, options, checked))
        return {kExitFailure, "not loaded: " + checked.reason};
    for (const std::string& key : checked.defaulted)
        err << "qlx700ctl: warning: " << key << " is not an integer; its default is taken\n";
    if (auto read = readDeviceConfiguration(session); read.status != kExitSuccess)
        return read;

    // What the device holds now, so a wrong file can be undone with another load.
    std::string error;
    const std::filesystem::path backup = saveConfigBackup(deviceLink, error);
    if (backup.empty())
        return {kExitFailure, "no backup of the device's configuration, nothing loaded: " + error};
    out << "backup of the device's configuration: " << backup.string() << "\n";

    ConfigLoadOutcome outcome;
    if (!loadConfiguration(deviceLink, file, options, outcome)) {
        for (const std::string& d : outcome.differing)
            err << "qlx700ctl: " << d << "\n";
        return {kExitFailure, "loading " + file + " failed (error register " + std::to_string(outcome.errorRegister)
                                  + "): " + outcome.reason};
    }
    out << "loaded " << file << " into the " << modelName(deviceLink.deviceType()) << "\n";
    return {kExitSuccess, {}};
}
