#include "screens/thermal/FrameDownloadF.h"

#include "app/AppSettings.h"
#include "app/FormNotificacaoF.h"
#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/EquipCommF.h"
#include "screens/common/FileChooser.h"
#include "screens/thermal/EventDownload.h"
#include "screens/thermal/ThermalMaxima.h"
#include "settings/AtomicFile.h"

#include <filesystem>
#include <optional>

namespace {

constexpr int kEventCount = 1800;
constexpr int kInterval = 214;
constexpr int kEraseCommand = 100;
constexpr int kNoticeWidth = 600;
constexpr Seconds kEraseSettle{1.0};

constexpr LangText kMsgTimer{"Valor de timer de eventos inválido. Deve ser um valor entre 0 e 60",
                             "Invalid event timer value. It must be a number between 0 and 60.",
                             "Valor de timer de eventos inválido. Debe ser un valor entre 0 y 60"};
constexpr LangText kErroEnvio{"Erro no envio do comando", "Error sending the command", "Error al enviar el comando."};
constexpr LangText kErroDownload{"Erro no download dos eventos do equipamento",
                                 "Error downloading the events from the device",
                                 "Error al descargar los eventos del dispositivo"};
constexpr LangText kConcluido{"Download Concluído", "Download Successfull", "Descarga Completa"};
constexpr LangText kPerguntaApagar{"Deseja apagar todos os eventos?", "Would you like to erase all events?",
                                   "Te gustaría borrar todos los eventos?"};
constexpr LangText kApagados{"Eventos apagados", "Events erased", "Eventos borrados"};
constexpr LangText kErroApagar{"Erro ao apagar os eventos", "Error erasing the events", "Error al borrar los eventos"};
constexpr LangText kPerguntaZerar{"Deseja zerar os máximos?", "Would you like to reset the max values?",
                                  "Te gustaría reajustar los máximos?"};
constexpr LangText kBaixando{"Baixando... ", "Downloading... ", "Descargando... "};
constexpr LangText kTituloSalvar{"Salvar Eventos", "Save Events", "Salvar Eventos"};
constexpr LangText kFiltro{"Log de Eventos (*.txt)|*.txt", "Event Log (*.txt)|*.txt",
                           "Registro de Eventos (*.txt)|*.txt"};
// A download the device cut short still keeps what it sent, and says so.
constexpr LangText kIncompleto{"Arquivo incompleto: ", "Incomplete file: ", "Archivo incompleto: "};
constexpr LangText kDe{" de ", " of ", " de "};
constexpr LangText kEventosGravadosEm{" eventos gravados em ", " events saved in ", " eventos grabados en "};
constexpr LangText kErroArquivo{"Erro ao gravar o arquivo de eventos", "Error writing the event file",
                                "Error al grabar el archivo de eventos"};

std::string progressText(int language, int fetched, int total)
{
    return kBaixando.in(language) + "(" + std::to_string(fetched) + " / " + std::to_string(total) + ")";
}

} // namespace

TFrameDownload::TFrameDownload(Ui& ui, FileChooser& files, AppSettings& settings, EventPump& pump)
    : ui_(ui)
    , files_(files)
    , settings_(settings)
    , pump_(pump)
    , captions_(frameDownloadCaptions(0))
{
}

bool TFrameDownload::connected() const { return comm_ != nullptr && comm_->connected(); }

void TFrameDownload::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    SetIdioma(language);
    if (connected()) {
        const BusyHold hold(busy_);
        for (const RegisterRun& run : thermalRecordReads())
            comm.readRegisters(run.first, run.count, true);
        // What did not arrive stays empty on the page.
        comm.flushQueuedReads();
    }
    AtualizarTela();
}

void TFrameDownload::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    captions_ = frameDownloadCaptions(language_);
    AtualizarTela();
}

void TFrameDownload::AtualizarTela()
{
    if (comm_ == nullptr)
        return;
    updating_ = true;
    const ThermalMaxima maxima = thermalMaxima(*comm_);
    for (std::size_t row = 0; row < maxima.size(); ++row) {
        auto& cells = state_.maximos[row];
        cells[0] = maxima[row].celsius ? std::to_string(*maxima[row].celsius) + " ºC" : std::string();
        cells[1] = maxima[row].stamp ? std::to_string(*maxima[row].stamp) : std::string();
        cells[2] = maxima[row].stamp ? eventrecord::formatTimestamp(*maxima[row].stamp) : std::string();
    }
    state_.pnNumEventos =
        captions_.pnNumEventos + (comm_->received(kEventCount) ? std::to_string(comm_->registerValue(kEventCount)) : "");
    if (!timerEventosFocused_)
        state_.edTimerEventos = comm_->received(kInterval) ? std::to_string(comm_->registerValue(kInterval)) : "";
    updating_ = false;
}

void TFrameDownload::edTimerEventosExit()
{
    if (updating_ || busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    const std::optional<int> minutes = parseInteger(state_.edTimerEventos);
    bool ok = true;
    if (minutes && *minutes >= 0 && *minutes <= 60)
        ok = comm_->writeRegister(kInterval, *minutes, true);
    else
        ui_.showMessage(MessageKind::Error, kMsgTimer.in(language_));
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, kErroEnvio.in(language_));
    timerEventosFocused_ = false;
    AtualizarTela();
}

bool TFrameDownload::readDownloadLayout()
{
    for (const int reg : {kEventCount, 1003, 1020}) {
        if (!comm_->received(reg) && !comm_->readRegisters(reg, 1))
            return false;
    }
    return true;
}

void TFrameDownload::bbBaixarEventosClick()
{
    if (busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    const std::filesystem::path last = settings_.record().LastEventLogPath;
    const std::optional<std::filesystem::path> chosen =
        files_.chooseSaveFile({kTituloSalvar.in(language_), kFiltro.in(language_), "txt", last.parent_path()});
    if (!chosen)
        return;
    settings_.record().LastEventLogPath = chosen->string();
    saveSettings(settings_, ui_, language_);
    saveEventLog(chosen->string());
}

void TFrameDownload::saveEventLog(const std::string& path)
{
    if (!readDownloadLayout()) {
        ui_.showMessage(MessageKind::Error, kErroDownload.in(language_));
        return;
    }
    const int total = comm_->registerValue(kEventCount);
    EventDownloadResult result;
    {
        TFormNotificacao notice(ui_, progressText(language_, 0, total), kNoticeWidth);
        const eventrecord::Layout layout = eventrecord::layoutOf(comm_->registerValue(1020), comm_->registerValue(1003));
        result = downloadEvents(*comm_, pump_, total, layout,
                                [&](int fetched, int all) { notice.setMensagem(progressText(language_, fetched, all)); });
    }
    std::string error;
    if (!writeFileAtomically(path, eventLogText(result.lines), error)) {
        ui_.showMessage(MessageKind::Error, kErroArquivo.in(language_) + "\n" + error);
        return;
    }
    if (!result.complete) {
        ui_.showMessage(MessageKind::Error, kErroDownload.in(language_) + "\n" + kIncompleto.in(language_) +
                                                std::to_string(result.lines.size()) + kDe.in(language_) +
                                                std::to_string(result.total) + kEventosGravadosEm.in(language_) + path);
        return;
    }
    ui_.showMessage(MessageKind::Information, kConcluido.in(language_));
}

void TFrameDownload::bbApagarEventosClick()
{
    if (busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    if (!ui_.ask(MessageKind::Warning, kPerguntaApagar.in(language_)))
        return;
    if (!comm_->sendCommand(kEraseCommand)) {
        ui_.showMessage(MessageKind::Error, kErroApagar.in(language_));
        return;
    }
    ui_.showMessage(MessageKind::Information, kApagados.in(language_));
    // The device needs a moment before its count shows the erase. The count is read
    // at once, not queued, so every link shows the new count now.
    pump_.sleepUntil(deadlineAfter(kEraseSettle));
    comm_->readRegisters(kEventCount, 1);
    AtualizarTela();
}

void TFrameDownload::bbZerarMaximosClick()
{
    if (busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    if (!ui_.ask(MessageKind::Warning, kPerguntaZerar.in(language_)))
        return;
    if (!resetThermalMaxima(*comm_))
        ui_.showMessage(MessageKind::Error, kErroEnvio.in(language_));
    AtualizarTela();
}
