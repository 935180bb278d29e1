#include "screens/thermal/EventsPage.h"

#include "app/AppSettings.h"
#include "app/BusyNotice.h"
#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/PageWork.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/common/FileChooser.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/thermal/EventDownload.h"
#include "screens/thermal/ThermalMaxima.h"
#include "settings/AtomicFile.h"

#include <filesystem>
#include <optional>

namespace {

constexpr int kEventCount = 1800;
constexpr int kInterval = 214;
constexpr int kEraseCommand = 100;
constexpr int kDownloadNoticeWidth = 600;
constexpr Seconds kEventsEraseSettle{1.0};

constexpr LangText kMsgTimer{"Valor de timer de eventos inválido. Deve ser um valor entre 0 e 60",
                             "Invalid event timer value. It must be a number between 0 and 60.",
                             "Valor de timer de eventos inválido. Debe ser un valor entre 0 y 60"};
constexpr LangText kDownloadError{"Erro no download dos eventos do equipamento",
                                  "Error downloading the events from the device",
                                  "Error al descargar los eventos del dispositivo"};
constexpr LangText kDownloadDone{"Download Concluído", "Download Successfull", "Descarga Completa"};
constexpr LangText kAskErase{"Deseja apagar todos os eventos?", "Would you like to erase all events?",
                             "Te gustaría borrar todos los eventos?"};
constexpr LangText kEventsErased{"Eventos apagados", "Events erased", "Eventos borrados"};
constexpr LangText kEraseError{"Erro ao apagar os eventos", "Error erasing the events", "Error al borrar los eventos"};
constexpr LangText kAskResetMaxima{"Deseja zerar os máximos?", "Would you like to reset the max values?",
                                   "Te gustaría reajustar los máximos?"};
constexpr LangText kDownloading{"Baixando... ", "Downloading... ", "Descargando... "};
constexpr LangText kSaveEventsTitle{"Salvar Eventos", "Save Events", "Salvar Eventos"};
constexpr LangText kEventLogFilter{"Log de Eventos (*.txt)|*.txt", "Event Log (*.txt)|*.txt",
                                  "Registro de Eventos (*.txt)|*.txt"};
// A download the device cut short still keeps what it sent, and says so.
constexpr LangText kIncompleteFile{"Arquivo incompleto: ", "Incomplete file: ", "Archivo incompleto: "};
constexpr LangText kOf{" de ", " of ", " de "};
constexpr LangText kEventsSavedIn{" eventos gravados em ", " events saved in ", " eventos grabados en "};
constexpr LangText kFileError{"Erro ao gravar o arquivo de eventos", "Error writing the event file",
                              "Error al grabar el archivo de eventos"};

std::string downloadProgress(int language, int fetched, int total)
{
    return kDownloading.in(language) + "(" + std::to_string(fetched) + " / " + std::to_string(total) + ")";
}

} // namespace

EventsPage::EventsPage(Ui& ui, FileChooser& files, AppSettings& settings, EventPump& pump)
    : ui_(ui)
    , files_(files)
    , settings_(settings)
    , pump_(pump)
    , captions_(eventsPageCaptions(0))
{
}

bool EventsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

void EventsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    setLanguage(language);
    if (connected()) {
        const BusyHold hold(busy_);
        for (const RegisterRun& run : thermalRecordReads())
            comm.readRegisters(run.first, run.count, true);
        // What did not arrive stays empty on the page.
        comm.flushQueuedReads();
    }
    redraw();
}

void EventsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = eventsPageCaptions(language_);
    redraw();
}

void EventsPage::redraw()
{
    if (comm_ == nullptr)
        return;
    updating_ = true;
    const ThermalMaxima maxima = thermalMaxima(*comm_);
    for (std::size_t row = 0; row < maxima.size(); ++row) {
        auto& cells = state_.maxima[row];
        cells[0] = maxima[row].celsius ? std::to_string(*maxima[row].celsius) + " ºC" : std::string();
        cells[1] = maxima[row].stamp ? std::to_string(*maxima[row].stamp) : std::string();
        cells[2] = maxima[row].stamp ? eventrecord::formatTimestamp(*maxima[row].stamp) : std::string();
    }
    state_.eventCountText =
        captions_.eventCountText + (comm_->received(kEventCount) ? std::to_string(comm_->registerValue(kEventCount)) : "");
    if (!eventIntervalFocused_)
        state_.eventInterval = comm_->received(kInterval) ? std::to_string(comm_->registerValue(kInterval)) : "";
    updating_ = false;
}

void EventsPage::eventIntervalLeft()
{
    if (updating_ || busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    const std::optional<int> minutes = parseInteger(state_.eventInterval);
    bool ok = true;
    if (minutes && *minutes >= 0 && *minutes <= 60)
        ok = comm_->writeRegister(kInterval, *minutes, true);
    else
        ui_.showMessage(MessageKind::Error, kMsgTimer.in(language_));
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, general::SendErrorSpanishStopped.in(language_));
    eventIntervalFocused_ = false;
    redraw();
}

bool EventsPage::readDownloadLayout()
{
    for (const int reg : {kEventCount, 1003, 1020}) {
        if (!comm_->received(reg) && !comm_->readRegisters(reg, 1))
            return false;
    }
    return true;
}

void EventsPage::downloadEventsClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    const std::filesystem::path last = settings_.record().LastEventLogPath;
    const std::optional<std::filesystem::path> chosen =
        files_.chooseSaveFile(
            {kSaveEventsTitle.in(language_), kEventLogFilter.in(language_), "txt", last.parent_path()});
    if (!chosen)
        return;
    settings_.record().LastEventLogPath = chosen->string();
    saveSettings(settings_, ui_, language_);
    saveEventLog(chosen->string());
}

void EventsPage::saveEventLog(const std::string& path)
{
    if (!readDownloadLayout()) {
        ui_.showMessage(MessageKind::Error, kDownloadError.in(language_));
        return;
    }
    const int total = comm_->registerValue(kEventCount);
    EventDownloadResult result;
    {
        BusyNotice notice(ui_, downloadProgress(language_, 0, total), kDownloadNoticeWidth);
        const eventrecord::Layout layout = eventrecord::layoutOf(comm_->registerValue(1020), comm_->registerValue(1003));
        result = downloadEvents(*comm_, pump_, total, layout,
                                [&](int fetched, int all) { notice.setMessage(downloadProgress(language_, fetched, all)); });
    }
    std::string error;
    if (!writeFileAtomically(path, eventLogText(result.lines), error)) {
        ui_.showMessage(MessageKind::Error, kFileError.in(language_) + "\n" + error);
        return;
    }
    if (!result.complete) {
        ui_.showMessage(MessageKind::Error, kDownloadError.in(language_) + "\n" + kIncompleteFile.in(language_) +
                                                std::to_string(result.lines.size()) + kOf.in(language_) +
                                                std::to_string(result.total) + kEventsSavedIn.in(language_) + path);
        return;
    }
    ui_.showMessage(MessageKind::Information, kDownloadDone.in(language_));
}

void EventsPage::eraseEventsClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    if (!ui_.ask(MessageKind::Warning, kAskErase.in(language_)))
        return;
    if (!comm_->sendCommand(kEraseCommand)) {
        ui_.showMessage(MessageKind::Error, kEraseError.in(language_));
        return;
    }
    ui_.showMessage(MessageKind::Information, kEventsErased.in(language_));
    // The device needs a moment before its count shows the erase. The count is read
    // at once, not queued, so every link shows the new count now.
    pump_.sleepUntil(deadlineAfter(kEventsEraseSettle));
    comm_->readRegisters(kEventCount, 1);
    redraw();
}

void EventsPage::resetMaximaClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    if (!ui_.ask(MessageKind::Warning, kAskResetMaxima.in(language_)))
        return;
    if (!resetThermalMaxima(*comm_))
        ui_.showMessage(MessageKind::Error, general::SendErrorSpanishStopped.in(language_));
    redraw();
}
