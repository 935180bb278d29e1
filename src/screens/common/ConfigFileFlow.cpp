#include "screens/common/ConfigFileFlow.h"

#include "app/AppSettings.h"
#include "app/FormNotificacaoF.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "link/EventPump.h"
#include "screens/common/FileChooser.h"
#include "screens/common/GeneralFrameTexts.h"
#include "settings/FullConfigRead.h"

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

bool TConfigFileFlow::readConfiguration(TEquipComm& comm)
{
    int failedRegister = 0;
    return readFullConfiguration(comm, failedRegister);
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
    if (!readConfiguration(comm)) {
        ui_.showMessage(MessageKind::Error, geral::ErroLeituraConfig.in(language));
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
        ui_.showMessage(MessageKind::Error, geral::ErroSalvarConfig.in(language));
}

void TConfigFileFlow::bbCarregarConfClick(TEquipComm& comm, int language)
{
    if (!comm.connected())
        return;
    std::optional<TFormNotificacao> notice(std::in_place, ui_, geral::CarregandoConfig.in(language),
                                           kLoadNoticeWidth);
    const bool read = readConfiguration(comm);
    notice.reset();
    if (!read) {
        ui_.showMessage(MessageKind::Error, geral::ErroLeituraConfig.in(language));
        return;
    }
    const auto file = files_.chooseOpenFile({geral::TituloCarregar.in(language), geral::FiltroConfig.in(language),
                                             kExtension, lastFolder(comm.deviceType())});
    if (!file)
        return;
    notice.emplace(ui_, geral::CarregandoConfig.in(language), kLoadNoticeWidth);
    remember(comm.deviceType(), *file, language);
    int errorRegister = 0;
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
    const bool loaded = CarregarConfiguracao(comm, *file, options_, errorRegister, nullptr, pause, progress);
    notice.reset();
    if (loaded)
        ui_.showMessage(MessageKind::Information, geral::ConfigCarregada.in(language));
    else
        ui_.showMessage(MessageKind::Error,
                        geral::ErroCarregarConfig.in(language) + " (" + std::to_string(errorRegister) + ")");
}
