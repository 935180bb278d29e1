#include "screens/irrigation/Frame_QLX700IRR_RegistrosF.h"

#include "app/AppSettings.h"
#include "app/FormNotificacaoF.h"
#include "app/LanguageText.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/EquipCommF.h"
#include "screens/common/FileChooser.h"
#include "screens/irrigation/IrrigationTexts.h"
#include "settings/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

constexpr int kNoticeWidth = 300;
// The device rebuilds its record store after an erase before it answers for it again.
constexpr Seconds kEraseSettle{1.5};
constexpr Seconds kRereadPause{2.0};

constexpr LangText kLendo{"Lendo registros...", "Reading records...", "Leyendo registros..."};
constexpr LangText kTituloSalvar{"Salver", "Save", "Salvar"};
constexpr LangText kFiltro{"Arquivo de Texto (*.txt)|*.txt", "Text file (*.txt)|*.txt", "Archivo de Texto (*.txt)|*.txt"};
constexpr LangText kPerguntaApagar{"Confirma apagar registros?", "Confirm erase records?", "Confirma borrar registros?"};
constexpr LangText kErroEnvio{"Erro no envio do comando.", "Error sending the command.", "Error al enviar el comando."};
constexpr LangText kArquivoSalvo{"Arquivo salvo.", "File saved.", "Archivo guardado"};
constexpr LangText kErroArquivo{"Erro ao gravar o arquivo de registros", "Error writing the records file",
                                "Error al grabar el archivo de registros"};

std::string progressText(int language, int read)
{
    char percent[32];
    std::snprintf(percent, sizeof percent, " %.1f %%", 100.0 * read / irrrecords::kMaxRecords);
    return kLendo.in(language) + percent;
}

std::string joined(const std::array<std::string, 4>& cells)
{
    return cells[0] + ", " + cells[1] + ", " + cells[2] + ", " + cells[3];
}

} // namespace

TFrame_QLX700IRR_Registros::TFrame_QLX700IRR_Registros(Ui& ui, FileChooser& files, AppSettings& settings,
                                                       EventPump& pump)
    : ui_(ui)
    , files_(files)
    , settings_(settings)
    , pump_(pump)
    , captions_(frame_QLX700IRR_RegistrosCaptions(0))
{
}

bool TFrame_QLX700IRR_Registros::connected() const { return comm_ != nullptr && comm_->connected(); }

void TFrame_QLX700IRR_Registros::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    SetIdioma(language);
    LerRegistros();
}

void TFrame_QLX700IRR_Registros::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    captions_ = frame_QLX700IRR_RegistrosCaptions(language_);
}

std::string TFrame_QLX700IRR_Registros::fileHeader() const { return joined(captions_.header); }

void TFrame_QLX700IRR_Registros::LerRegistros()
{
    if (busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    {
        TFormNotificacao notice(ui_, kLendo.in(language_) + " 0%", kNoticeWidth);
        records_ = irrrecords::readRecords(*comm_, [&](int read) { notice.setMensagem(progressText(language_, read)); }).records;
    }
    // Rows a previous reading filled past today's last record would pass for records
    // the device no longer holds.
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i] = i < records_.size() ? records_[i] : irrrecords::Record{};
}

void TFrame_QLX700IRR_Registros::bbArquivoClick()
{
    if (busy_)
        return;
    const BusyHold hold(busy_);
    const std::filesystem::path last = settings_.record().RecFilePath;
    const std::optional<std::filesystem::path> chosen =
        files_.chooseSaveFile({kTituloSalvar.in(language_), kFiltro.in(language_), "txt", last.parent_path()});
    if (!chosen)
        return;
    settings_.record().RecFilePath = chosen->string();
    saveSettings(settings_, ui_, language_);
    saveRecords(chosen->string());
}

void TFrame_QLX700IRR_Registros::saveRecords(const std::string& path)
{
    std::string error;
    if (!writeFileAtomically(path, irrrecords::recordsFileText(fileHeader(), records_), error)) {
        ui_.showMessage(MessageKind::Error, kErroArquivo.in(language_) + "\n" + error);
        return;
    }
    ui_.showMessage(MessageKind::Information, kArquivoSalvo.in(language_));
}

void TFrame_QLX700IRR_Registros::bbApagarEventosClick()
{
    if (busy_ || !connected())
        return;
    {
        const BusyHold hold(busy_);
        if (!ui_.ask(MessageKind::Confirmation, kPerguntaApagar.in(language_)))
            return;
        if (!comm_->sendCommand(irrrecords::kEraseCommand)) {
            ui_.showMessage(MessageKind::Error, kErroEnvio.in(language_));
            return;
        }
        pump_.sleepUntil(deadlineAfter(kEraseSettle));
        ui_.showMessage(MessageKind::Information, irr::ComandoEnviado.in(language_));
        pump_.sleepUntil(deadlineAfter(kRereadPause));
    }
    LerRegistros();
}
