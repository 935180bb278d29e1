#include "screens/common/ConfigFileFlow.h"

#include "app/AppSettings.h"
#include "app/FormNotificacaoF.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "link/EventPump.h"
#include "screens/common/FileChooser.h"
#include "screens/common/GeneralFrameTexts.h"
#include "settings/ConfigBackup.h"
#include "settings/FullConfigRead.h"
#include "link/LinkError.h"

#include <optional>
#include <string>

namespace {
constexpr const char* kExtension = "conf";
} // namespace

TConfigFileFlow::TConfigFileFlow(AppSettings& settings, Ui& ui, EventPump& pump, FileChooser& files,
                                 ConfigLoadOptions options)
    : settings_(settings)
    , ui_(ui)
    , pump_(pump)
    , files_(files)
    , options_(options)
{
}

std::optional<std::string> TConfigFileFlow::readConfiguration(TEquipComm& comm, int language)
{
    int failedRegister = 0;
    if (readFullConfiguration(comm, failedRegister))
        return std::nullopt;
    return geral::ErroLeituraConfig.in(language) + "\nregister " + std::to_string(failedRegister) + ": "
        + describeLinkError(comm.lastError());
}

std::filesystem::path TConfigFileFlow::lastFolder(int deviceType)
{
    const std::string& last = settings_.record().connection(deviceType).LastConfFile;
    return last.empty() ? std::filesystem::path() : std::filesystem::path(last).parent_path();
}

void TConfigFileFlow::remember(int deviceType, const std::filesystem::path& file, int language)
{
    settings_.record().connection(deviceType).LastConfFile = file.string();
    saveSettings(settings_, ui_, language);
}

void TConfigFileFlow::bbSalvarConfClick(TEquipComm& comm, int language)
{
    if (!comm.connected())
        return;
    if (const auto failed = readConfiguration(comm, language)) {
        ui_.showMessage(MessageKind::Error, *failed);
        return;
    }
    const auto file = files_.chooseSaveFile({geral::TituloSalvar.in(language), geral::FiltroConfig.in(language),
                                             kExtension, lastFolder(comm.deviceType())});
    if (!file)
        return;
    remember(comm.deviceType(), *file, language);
    std::string error;
    if (SalvarConfiguracao(comm, *file, error))
        ui_.showMessage(MessageKind::Information, geral::ConfigSalva.in(language));
    else
        ui_.showMessage(MessageKind::Error, geral::ErroSalvarConfig.in(language) + "\n" + error);
}

void TConfigFileFlow::bbCarregarConfClick(TEquipComm& comm, int language)
{
    if (!comm.connected())
        return;
    std::optional<TFormNotificacao> notice(std::in_place, ui_, geral::CarregandoConfig.in(language),
                                           kLoadNoticeWidth);
    const auto failed = readConfiguration(comm, language);
    notice.reset();
    if (failed) {
        ui_.showMessage(MessageKind::Error, *failed);
        return;
    }
    const auto file = files_.chooseOpenFile({geral::TituloCarregar.in(language), geral::FiltroConfig.in(language),
                                             kExtension, lastFolder(comm.deviceType())});
    if (!file)
        return;
    remember(comm.deviceType(), *file, language);
    const auto loadFailed = [&](const ConfigLoadOutcome& o) {
        std::string text = geral::ErroCarregarConfig.in(language) + " (" + std::to_string(o.errorRegister) + ")\n"
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
    notice.emplace(ui_, geral::CarregandoConfig.in(language), kLoadNoticeWidth);
    // What the device holds now, so a wrong file can be undone with another load.
    std::string error;
    const std::filesystem::path backup = saveConfigBackup(comm, error);
    if (backup.empty()) {
        notice.reset();
        ui_.showMessage(MessageKind::Error, geral::ErroCarregarConfig.in(language) + "\n" + error);
        return;
    }
    // The device's settle pauses keep the window drawing.
    const ConfigPause pause = [this](std::chrono::milliseconds ms) { pump_.sleepUntil(deadlineAfter(ms)); };
    int shownPercent = 0;
    const ConfigProgress progress = [&](int done, int total) {
        const int percent = total > 0 ? done * 100 / total : 100;
        if (percent != shownPercent) {
            shownPercent = percent;
            notice->setMensagem(geral::CarregandoConfig.in(language) + " " + std::to_string(percent) + "%");
        }
    };
    ConfigLoadOutcome outcome;
    const bool loaded = CarregarConfiguracao(comm, *file, options_, outcome, pause, progress);
    notice.reset();
    if (loaded)
        ui_.showMessage(MessageKind::Information,
                        geral::ConfigCarregada.in(language) + "\n" + geral::CopiaAnterior.in(language) + backup.string());
    else
        loadFailed(outcome);
}
