#include "screens/common/ConfigFileFlow.h"

#include "app/AppSettings.h"
#include "app/BusyNotice.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "link/EventPump.h"
#include "screens/common/FileChooser.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/ConfigBackup.h"
#include "settings/FullConfigRead.h"
#include "link/LinkError.h"

#include <optional>
#include <string>

namespace {
constexpr const char* kExtension = "conf";
} // namespace

ConfigFileFlow::ConfigFileFlow(AppSettings& settings, Ui& ui, EventPump& pump, FileChooser& files,
                               ConfigLoadOptions options)
    : settings_(settings)
    , ui_(ui)
    , pump_(pump)
    , files_(files)
    , options_(options)
{
}

std::optional<std::string> ConfigFileFlow::readConfiguration(DeviceLink& comm, int language, Purpose purpose)
{
    int failedRegister = 0;
    switch (readConfigurationRegisters(comm, failedRegister)) {
    case ConfigRead::Read:
        return std::nullopt;
    case ConfigRead::UnitOutsideBus:
        // The device answered: it is the value it holds that has no rows in a file.
        return (purpose == Purpose::Load
                    ? general::ConfigLoadError.in(language) + " (" + std::to_string(failedRegister) + ")"
                    : general::ConfigSaveError.in(language))
            + "\n" + general::UnitIndexOutsideBus.in(language);
    case ConfigRead::LinkFailed:
        break;
    }
    return general::ConfigReadError.in(language) + "\nregister " + std::to_string(failedRegister) + ": "
        + describeLinkError(comm.lastError());
}

std::filesystem::path ConfigFileFlow::lastFolder(int deviceType)
{
    const std::string& last = settings_.record().connection(deviceType).LastConfFile;
    return last.empty() ? std::filesystem::path() : std::filesystem::path(last).parent_path();
}

void ConfigFileFlow::remember(int deviceType, const std::filesystem::path& file, int language)
{
    settings_.record().connection(deviceType).LastConfFile = file.string();
    saveSettings(settings_, ui_, language);
}

void ConfigFileFlow::saveConfigurationClicked(DeviceLink& comm, int language)
{
    if (!comm.connected())
        return;
    if (const auto failed = readConfiguration(comm, language, Purpose::Save)) {
        ui_.showMessage(MessageKind::Error, *failed);
        return;
    }
    const auto file = files_.chooseSaveFile({general::SaveConfigTitle.in(language),
                                             general::ConfigFileFilter.in(language), kExtension,
                                             lastFolder(comm.deviceType())});
    if (!file)
        return;
    remember(comm.deviceType(), *file, language);
    std::string error;
    if (saveConfiguration(comm, *file, error))
        ui_.showMessage(MessageKind::Information, general::ConfigSaved.in(language));
    else
        ui_.showMessage(MessageKind::Error, general::ConfigSaveError.in(language) + "\n" + error);
}

void ConfigFileFlow::loadConfigurationClicked(DeviceLink& comm, int language)
{
    if (!comm.connected())
        return;
    std::optional<BusyNotice> notice(std::in_place, ui_, general::LoadingConfig.in(language),
                                     kLoadNoticeWidth);
    const auto failed = readConfiguration(comm, language, Purpose::Load);
    notice.reset();
    if (failed) {
        ui_.showMessage(MessageKind::Error, *failed);
        return;
    }
    const auto file = files_.chooseOpenFile({general::LoadConfigTitle.in(language),
                                             general::ConfigFileFilter.in(language), kExtension,
                                             lastFolder(comm.deviceType())});
    if (!file)
        return;
    remember(comm.deviceType(), *file, language);
    const auto loadFailed = [&](const ConfigLoadOutcome& o) {
        std::string text = general::ConfigLoadError.in(language) + " (" + std::to_string(o.errorRegister) + ")\n"
            + o.reason;
        for (const std::string& d : o.differing)
            text += "\n" + d;
        ui_.showMessage(MessageKind::Error, text);
    };
    // The whole file first: a file that would be refused writes nothing, not even a backup.
    ConfigLoadOutcome checked;
    if (!checkConfigurationFile(comm.deviceType(), *file, options_, checked)) {
        loadFailed(checked);
        return;
    }
    notice.emplace(ui_, general::LoadingConfig.in(language), kLoadNoticeWidth);
    // What the device holds now, so a wrong file can be undone with another load.
    std::string error;
    const std::filesystem::path backup = saveConfigBackup(comm, error);
    if (backup.empty()) {
        notice.reset();
        ui_.showMessage(MessageKind::Error, general::ConfigLoadError.in(language) + "\n" + error);
        return;
    }
    // The device's settle pauses keep the window drawing.
    const ConfigPause pause = [this](std::chrono::milliseconds ms) { pump_.sleepUntil(deadlineAfter(ms)); };
    int shownPercent = 0;
    const ConfigProgress progress = [&](int done, int total) {
        const int percent = total > 0 ? done * 100 / total : 100;
        if (percent != shownPercent) {
            shownPercent = percent;
            notice->setMessage(general::LoadingConfig.in(language) + " " + std::to_string(percent) + "%");
        }
    };
    ConfigLoadOutcome outcome;
    const bool loaded = loadConfiguration(comm, *file, options_, outcome, pause, progress);
    notice.reset();
    if (loaded)
        ui_.showMessage(MessageKind::Information,
                        general::ConfigLoaded.in(language) + "\n" + general::PreviousConfigBackup.in(language) + backup.string());
    else
        loadFailed(outcome);
}
