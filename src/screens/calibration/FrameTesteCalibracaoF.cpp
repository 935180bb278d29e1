#include "screens/calibration/FrameTesteCalibracaoF.h"

#include "app/FormMemoF.h"
#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/EquipCommF.h"
#include "screens/calibration/CalibRegisters.h"
#include "screens/calibration/FormCalibCorrenteF.h"
#include "screens/calibration/FormCalibEntrCorrRegressaoF.h"
#include "screens/calibration/FormCalibRTDF.h"
#include "screens/calibration/FormCalibRTDRegressaoF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "settings/CalibStore.h"
#include "settings/DecimalParse.h"

#include <cstdint>

namespace {

constexpr int kModo = 2100;
constexpr int kCorrenteTeste = 2101;
constexpr int kDesativaCalib = 2105;
constexpr int kTamanho = 2106;
constexpr int kParametros = 2110;
constexpr int kParametrosCount = 30;
constexpr int kErros = 2170;
constexpr int kErrosCount = 20;
constexpr int kSerieLow = 2501;
constexpr int kSerieHigh = 2502;
constexpr int kRes127 = 2530;
constexpr int kTipoPlaca = 2660;
// The board whose output spans 0-1.5 mA; every other board spans 0-32 mA.
constexpr int kPlaca1_5mA = 2;
// The test current register holds the fraction of full scale times this.
constexpr double kEscalaTeste = 50000.0;

constexpr LangText kMsgCorrente32{"Valor inválido de corrente. Deve ser um valor entre 0.0 e 32.0",
                                  "Invalid current value. It must be a value between 0.0 and 32.0",
                                  "Valor invalido de corriente. Debe ser un valor entre 0.0 y 32.0"};
constexpr LangText kMsgCorrente1_5{"Valor inválido de corrente. Deve ser um valor entre 0.0 e 1.5",
                                   "Invalid current value. It must be a value between 0.0 and 1.5",
                                   "Valor invalido de corriente. Debe ser un valor entre 0.0 y 1.5"};
constexpr LangText kMsgRes127{"Valor inválido no resistor de 127 ohms", "Invalid value for the 127 ohms resistance",
                              "Valor inválido de lo resistor de 127 ohms"};
constexpr LangText kMsgSerie{"Número de série inválido. Deve ser um inteiro positivo.",
                             "Invalid Serial Number. It must be a positive integer.",
                             "Numero de serie inválido. Debe ser un entero positivo."};
constexpr LangText kMsgLeitura{"Erro na leitura do parâmetro de teste.", "Error reading the test parameter.",
                               "Error leyendo el parámetro de teste."};
constexpr LangText kTamanhoPrefixo{"Tamanho dos Parâmetros Salvos: ", "Size of saved parameters: ",
                                   "Tamaño de los Parámetros Salvos: "};
constexpr LangText kSaida32{"Saída de Corrente (0-32mA)", "Current Output (0-32mA)", "Salida de Corriente (0-32mA)"};
constexpr LangText kSaida1_5{"Saída de Corrente (0-1.5mA)", "Current Output (0-1.5mA)",
                             "Salida de Corriente (0-1.5mA)"};

FrameTesteCalibracaoCaptions captionsIn(int l)
{
    return {
        LangText{"Modo de Teste e Calibração", "Calibration and Test Mode", "Modo de Teste y Calibración"}.in(l),
        LangText{"Desligado", "Off", "Apagado"}.in(l),
        LangText{"Ligado", "On", "Activo"}.in(l),
        LangText{"Desativa calibração", "Deactivate calibration", "Desactiva calibración"}.in(l),
        LangText{"Valor do resistor de 127 ohms", "127 ohms resistor value", "Valor resistor de 127 ohms"}.in(l),
        LangText{"Número de Série", "Serial Number", "Numero de Serie"}.in(l),
        LangText{"Calibrar Saída de Corrente", "Calibrate Current Output", "Calibrar Salída de Corriente"}.in(l),
        LangText{"Calibração dos RTDs", "RTD Calibration", "Calibración de RTDs"}.in(l),
        LangText{"Calibrar RTDs Regressão", "RTD Regression Calibration", "Calibrar RTDs Regresión"}.in(l),
        LangText{"Calib. Entrada Corrente Regressão", "Current Input Regression Calib.",
                 "Calib. Entrada Corriente Regresión"}
            .in(l),
        LangText{"Ler parâmetro de teste", "Read test parameter", "Leer parámetro de teste"}.in(l),
        LangText{"Ler últimos erros", "Read last errors", "Leer últimos errores"}.in(l),
        LangText{"Simular medidas", "Simulate Measurements", "Simular medidas"}.in(l),
    };
}

} // namespace

TFrameTesteCalibracao::TFrameTesteCalibracao(Ui& ui)
    : ui_(ui)
    , captions_(captionsIn(0))
    , testeValores_(ui)
{
}

bool TFrameTesteCalibracao::connected() const { return comm_ != nullptr && comm_->connected(); }

double TFrameTesteCalibracao::fullScale() const
{
    return comm_->registerValue(kTipoPlaca) == kPlaca1_5mA ? 1.5 : 32.0;
}

void TFrameTesteCalibracao::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    if (connected() && !busy_) {
        const BusyHold hold(busy_);
        bool ok = true;
        comm.readRegisters(kModo, 1, true);
        comm.readRegisters(kCorrenteTeste, 1, true);
        comm.readRegisters(kDesativaCalib, 1, true);
        ok = comm.readRegisters(kRes127, 1, true) && ok;
        ok = comm.readRegisters(kSerieLow, 2, true) && ok;
        comm.readRegisters(kTipoPlaca, 4, true);
        comm.readRegisters(kTamanho, 1, true);
        ok = comm.flushQueuedReads() && ok;
        // A record is only kept under a serial number and a reference this opening
        // really read from the device.
        if (ok)
            saveSerialRecord();
    }
    SetIdioma(language);
    AtualizarTela();
}

void TFrameTesteCalibracao::saveSerialRecord()
{
    const int serial = comm_->image().SerialNumber();
    std::string error;
    // The record is the one of the number just read: another device on the same link,
    // or a number changed meanwhile, must not take over the record in memory.
    if (!LoadCalibRecord(serial, &error)) {
        ui_.showMessage(MessageKind::Error, error);
        return;
    }
    CalibRecord().NumSerie = serial;
    CalibRecord().Res127 = static_cast<float>(comm_->registerValue(kRes127));
    if (!SaveCalibRecord(serial, &error))
        ui_.showMessage(MessageKind::Error, error);
}

void TFrameTesteCalibracao::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    captions_ = captionsIn(language_);
    testeValores_.SetIdioma(language_);
}

void TFrameTesteCalibracao::AtualizarTela()
{
    updating_ = true;
    if (connected()) {
        state_.rgModoTesteCalibracao = comm_->registerValue(kModo) != 0 ? 1 : 0;
        const bool board1_5 = comm_->registerValue(kTipoPlaca) == kPlaca1_5mA;
        state_.lblSaidaCorrente = (board1_5 ? kSaida1_5 : kSaida32).in(language_);
        if (focus_ != kSaidaCorrente)
            state_.edSaidaCorrente = shownNumber(board1_5 ? "%.4f" : "%.3f",
                                                 comm_->registerValue(kCorrenteTeste) / kEscalaTeste * fullScale(),
                                                 decimalSeparator_);
        state_.cbDesativaCalib = comm_->registerValue(kDesativaCalib) != 0;
        if (focus_ != kCalib127)
            state_.edCalib127 = shownNumber("%.2f", comm_->registerValue(kRes127) / 100.0, decimalSeparator_);
        if (focus_ != kNumSerie)
            state_.edNumSerie = std::to_string(comm_->image().SerialNumber());
        state_.pnTamanhoParametros =
            kTamanhoPrefixo.in(language_) + std::to_string(comm_->registerValue(kTamanho)) + " bytes";
    }
    updating_ = false;
}

void TFrameTesteCalibracao::AplicarTeste()
{
    if (updating_ || busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    bool ok = true;
    if (state_.rgModoTesteCalibracao == 0 || state_.rgModoTesteCalibracao == 1)
        ok = comm_->writeRegister(kModo, state_.rgModoTesteCalibracao, true) && ok;

    const double fs = fullScale();
    float current = 0;
    const bool currentValid = TryParseSingle(state_.edSaidaCorrente, current) && current >= 0.0f && current <= fs;
    const std::optional<std::uint16_t> currentWord =
        currentValid ? registerWord(current / fs * kEscalaTeste) : std::nullopt;
    if (currentWord)
        ok = comm_->writeRegister(kCorrenteTeste, *currentWord, true) && ok;
    else
        ui_.showMessage(MessageKind::Error, (fs == 1.5 ? kMsgCorrente1_5 : kMsgCorrente32).in(language_));
    if (focus_ == kSaidaCorrente)
        focus_ = kNoFocus;

    ok = comm_->writeRegister(kDesativaCalib, state_.cbDesativaCalib ? 1 : 0, true) && ok;

    float res127 = 0;
    const bool res127Valid = TryParseSingle(state_.edCalib127, res127) && res127 >= 0.0f && res127 <= 655.35f;
    const std::optional<std::uint16_t> res127Word =
        res127Valid ? registerWord(static_cast<double>(res127) * 100.0) : std::nullopt;
    if (res127Word)
        ok = comm_->writeRegister(kRes127, *res127Word, true) && ok;
    else
        ui_.showMessage(MessageKind::Error, kMsgRes127.in(language_));

    const std::optional<int> serial = parseInteger(state_.edNumSerie);
    if (serial && *serial >= 0) {
        const std::uint16_t words[2] = {static_cast<std::uint16_t>(*serial & 0xFFFF),
                                        static_cast<std::uint16_t>(*serial >> 16)};
        ok = comm_->writeRegisters(kSerieLow, words, true) && ok;
    } else {
        ui_.showMessage(MessageKind::Error, kMsgSerie.in(language_));
    }

    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
    AtualizarTela();
}

void TFrameTesteCalibracao::rgModoTesteCalibracaoClick(int item)
{
    if (updating_ || (item != 0 && item != 1))
        return;
    state_.rgModoTesteCalibracao = item;
    AplicarTeste();
}

void TFrameTesteCalibracao::cbDesativaCalibClick(bool checked)
{
    if (updating_)
        return;
    state_.cbDesativaCalib = checked;
    AplicarTeste();
}

void TFrameTesteCalibracao::editExit()
{
    focus_ = kNoFocus;
    AplicarTeste();
}

void TFrameTesteCalibracao::bbLerParTesteClick()
{
    if (busy_ || !connected())
        return;
    bool ok = false;
    {
        const BusyHold hold(busy_);
        ok = comm_->readRegisters(kParametros, kParametrosCount);
    }
    if (!ok) {
        ui_.showMessage(MessageKind::Error, kMsgLeitura.in(language_));
        return;
    }
    TFormMemo memo;
    for (int n = 0; n < kParametrosCount; ++n)
        memo.addLine(std::to_string(n) + ": " + std::to_string(comm_->registerValue(kParametros + n)));
    ui_.exec(memo);
}

void TFrameTesteCalibracao::bbLerUltimosErrosClick()
{
    if (busy_ || !connected())
        return;
    bool ok = false;
    {
        const BusyHold hold(busy_);
        ok = comm_->readRegisters(kErros, 2 * kErrosCount);
    }
    if (!ok) {
        ui_.showMessage(MessageKind::Error, kMsgLeitura.in(language_));
        return;
    }
    TFormMemo memo;
    for (int n = 0; n < kErrosCount; ++n) {
        const auto low = static_cast<std::uint32_t>(comm_->registerValue(kErros + 2 * n)) & 0xFFFFu;
        const auto high = static_cast<std::uint32_t>(comm_->registerValue(kErros + 2 * n + 1)) & 0xFFFFu;
        memo.addLine(std::to_string(n) + ": " + std::to_string(static_cast<std::int32_t>(low | (high << 16))));
    }
    ui_.exec(memo);
}

bool TFrameTesteCalibracao::bbSimulaMedidasClick()
{
    if (busy_ || !connected())
        return false;
    testeValores_.Ativar(*comm_, language_);
    return true;
}

bool TFrameTesteCalibracao::setTestMode(int on)
{
    const BusyHold hold(busy_);
    return comm_->writeRegister(kModo, on, true) && comm_->writeRegister(kDesativaCalib, on, true) &&
           comm_->flushQueuedWrites();
}

void TFrameTesteCalibracao::bbCalibrarSaidaCorrenteClick()
{
    if (busy_ || !connected())
        return;
    if (!setTestMode(1)) {
        ui_.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
        return;
    }
    {
        TFormCalibCorrente form(ui_);
        form.Show(*comm_, language_);
        ui_.exec(form);
    }
    if (!setTestMode(0))
        ui_.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
    AtualizarTela();
}

void TFrameTesteCalibracao::bbCalibrarRTDRegressaoClick()
{
    if (busy_ || !connected())
        return;
    TFormCalibRTDRegressao form(ui_);
    form.Show(*comm_, language_);
    ui_.exec(form);
}

void TFrameTesteCalibracao::bbCalibrarEntrCorrRegClick()
{
    if (busy_ || !connected())
        return;
    TFormCalibEntrCorrRegressao form(ui_);
    form.Show(*comm_, language_);
    ui_.exec(form);
}

void TFrameTesteCalibracao::bbCalibrarRTDsClick()
{
    if (busy_ || !connected())
        return;
    TFormCalibRTD form(ui_);
    form.Show(*comm_, language_);
    ui_.exec(form);
}
