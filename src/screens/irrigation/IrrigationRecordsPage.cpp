#include "screens/irrigation/IrrigationRecordsPage.h"

#include "app/AppSettings.h"
#include "app/BusyNotice.h"
#include "app/LanguageText.h"
#include "app/PageWork.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/common/FileChooser.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/irrigation/IrrigationTexts.h"
#include "settings/AtomicFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

constexpr int kReadingNoticeWidth = 300;
// The device rebuilds its record store after an erase before it answers for it again.
constexpr Seconds kRecordsEraseSettle{1.5};
constexpr Seconds kRereadPause{2.0};

constexpr LangText kReadingRecords{"Lendo registros...", "Reading records...", "Leyendo registros..."};
constexpr LangText kSaveRecordsTitle{"Salver", "Save", "Salvar"};
constexpr LangText kTextFileFilter{"Arquivo de Texto (*.txt)|*.txt", "Text file (*.txt)|*.txt", "Archivo de Texto (*.txt)|*.txt"};
constexpr LangText kConfirmErase{"Confirma apagar registros?", "Confirm erase records?", "Confirma borrar registros?"};
constexpr LangText kFileSaved{"Arquivo salvo.", "File saved.", "Archivo guardado"};
constexpr LangText kFileWriteError{"Erro ao gravar o arquivo de registros", "Error writing the records file",
                                   "Error al grabar el archivo de registros"};

std::string readingProgress(int language, int read)
{
    char percent[32];
    std::snprintf(percent, sizeof percent, " %.1f %%", 100.0 * read / irrigationrecords::kMaxRecords);
    return kReadingRecords.in(language) + percent;
}

std::string joined(const std::array<std::string, 4>& cells)
{
    return cells[0] + ", " + cells[1] + ", " + cells[2] + ", " + cells[3];
}

} // namespace

IrrigationRecordsPage::IrrigationRecordsPage(Ui& ui, FileChooser& files, AppSettings& settings,
                                             EventPump& pump)
    : ui_(ui)
    , files_(files)
    , settings_(settings)
    , pump_(pump)
    , captions_(irrigationRecordsPageCaptions(0))
{
}

bool IrrigationRecordsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

void IrrigationRecordsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    setLanguage(language);
    readRecords();
}

void IrrigationRecordsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = irrigationRecordsPageCaptions(language_);
}

std::string IrrigationRecordsPage::fileHeader() const { return joined(captions_.header); }

void IrrigationRecordsPage::readRecords()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    // Rows of a previous reading would pass for records the device no longer holds.
    rows_.fill({});
    records_.clear();
    if (rowsCleared_)
        rowsCleared_();
    {
        BusyNotice notice(ui_, kReadingRecords.in(language_) + " 0%", kReadingNoticeWidth);
        records_ = irrigationrecords::readRecords(*comm_, [&](int read) { notice.setMessage(readingProgress(language_, read)); }).records;
    }
    std::copy(records_.begin(), records_.end(), rows_.begin());
}

void IrrigationRecordsPage::saveToFileClicked()
{
    if (busy_)
        return;
    const BusyHold hold(busy_);
    const std::filesystem::path last = settings_.record().LastRecordsPath;
    const std::optional<std::filesystem::path> chosen =
        files_.chooseSaveFile(
            {kSaveRecordsTitle.in(language_), kTextFileFilter.in(language_), "txt", last.parent_path()});
    if (!chosen)
        return;
    settings_.record().LastRecordsPath = chosen->string();
    saveSettings(settings_, ui_, language_);
    saveRecords(chosen->string());
}

void IrrigationRecordsPage::saveRecords(const std::string& path)
{
    std::string error;
    if (!writeFileAtomically(path, irrigationrecords::recordsFileText(fileHeader(), records_), error)) {
        ui_.showMessage(MessageKind::Error, kFileWriteError.in(language_) + "\n" + error);
        return;
    }
    ui_.showMessage(MessageKind::Information, kFileSaved.in(language_));
}

void IrrigationRecordsPage::eraseRecordsClicked()
{
    if (busy_ || !connected())
        return;
    // The erase and the reading of what remains are one piece of work.
    const PageWork work(comm_);
    {
        const BusyHold hold(busy_);
        if (!ui_.ask(MessageKind::Confirmation, kConfirmErase.in(language_)))
            return;
        if (!comm_->sendCommand(irrigationrecords::kEraseCommand)) {
            ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
            return;
        }
        pump_.sleepUntil(deadlineAfter(kRecordsEraseSettle));
        ui_.showMessage(MessageKind::Information, irrigation::CommandSent.in(language_));
        pump_.sleepUntil(deadlineAfter(kRereadPause));
    }
    readRecords();
}
