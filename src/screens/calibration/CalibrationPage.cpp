#include "screens/calibration/CalibrationPage.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/PageWork.h"
#include "app/ShownNumber.h"
#include "app/TextWindow.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/InputRegressionWindow.h"
#include "screens/calibration/OutputCalibrationWindow.h"
#include "screens/calibration/RtdRegressionWindow.h"
#include "screens/calibration/RtdTableWindow.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/CalibrationStore.h"
#include "settings/DecimalParse.h"

#include <cstdint>

namespace {

constexpr int kTestMode = 2100;
constexpr int kCalibrationDisabled = 2105;
constexpr int kParametersSize = 2106;
constexpr int kTestParameters = 2110;
constexpr int kTestParameterCount = 30;
constexpr int kLastErrors = 2170;
constexpr int kLastErrorCount = 20;
// The serial number: its low word, then its high word in 2502.
constexpr int kSerialNumberLow = 2501;
constexpr int kResistor127 = 2530;
// The board whose output spans 0-1.5 mA; every other board spans 0-32 mA.
constexpr int kBoard1_5mA = 2;

constexpr LangText kInvalidCurrent32{"Valor inválido de corrente. Deve ser um valor entre 0.0 e 32.0",
                                     "Invalid current value. It must be a value between 0.0 and 32.0",
                                     "Valor invalido de corriente. Debe ser un valor entre 0.0 y 32.0"};
constexpr LangText kInvalidCurrent1_5{"Valor inválido de corrente. Deve ser um valor entre 0.0 e 1.5",
                                      "Invalid current value. It must be a value between 0.0 and 1.5",
                                      "Valor invalido de corriente. Debe ser un valor entre 0.0 y 1.5"};
constexpr LangText kInvalidResistor127{"Valor inválido no resistor de 127 ohms",
                                       "Invalid value for the 127 ohms resistance",
                                       "Valor inválido de lo resistor de 127 ohms"};
constexpr LangText kInvalidSerialNumber{"Número de série inválido. Deve ser um inteiro positivo.",
                                        "Invalid Serial Number. It must be a positive integer.",
                                        "Numero de serie inválido. Debe ser un entero positivo."};
constexpr LangText kTestParameterReadError{"Erro na leitura do parâmetro de teste.",
                                           "Error reading the test parameter.", "Error leyendo el parámetro de teste."};
constexpr LangText kParametersSizePrefix{"Tamanho dos Parâmetros Salvos: ", "Size of saved parameters: ",
                                         "Tamaño de los Parámetros Salvos: "};
constexpr LangText kCurrentOutput32{"Saída de Corrente (0-32mA)", "Current Output (0-32mA)",
                                    "Salida de Corriente (0-32mA)"};
constexpr LangText kCurrentOutput1_5{"Saída de Corrente (0-1.5mA)", "Current Output (0-1.5mA)",
                                     "Salida de Corriente (0-1.5mA)"};

// Opens the window on the device and runs it until it closes.
template <typename Window>
void runCalibrationWindow(Ui& ui, DeviceLink& comm, int language)
{
    Window window(ui);
    window.open(comm, language);
    ui.exec(window);
}

CalibrationPageCaptions captionsIn(int l)
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

CalibrationPage::CalibrationPage(Ui& ui)
    : ui_(ui)
    , captions_(captionsIn(0))
    , valueTestWindow_(ui)
{
}

bool CalibrationPage::connected() const { return comm_ != nullptr && comm_->connected(); }

double CalibrationPage::fullScale() const
{
    return comm_->registerValue(CalibrationRegisters::kOutputBoards) == kBoard1_5mA ? 1.5 : 32.0;
}

void CalibrationPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    if (connected() && !busy_) {
        const BusyHold hold(busy_);
        bool ok = true;
        comm.readRegisters(kTestMode, 1, true);
        comm.readRegisters(CalibrationRegisters::kTestCurrent, 1, true);
        comm.readRegisters(kCalibrationDisabled, 1, true);
        ok = comm.readRegisters(kResistor127, 1, true) && ok;
        ok = comm.readRegisters(kSerialNumberLow, 2, true) && ok;
        comm.readRegisters(CalibrationRegisters::kOutputBoards, 4, true);
        comm.readRegisters(kParametersSize, 1, true);
        ok = comm.flushQueuedReads() && ok;
        // A record is only kept under a serial number and a reference this opening
        // really read from the device.
        if (ok)
            saveSerialRecord();
    }
    setLanguage(language);
}

void CalibrationPage::saveSerialRecord()
{
    const int serial = comm_->image().SerialNumber();
    std::string error;
    // The record is the one of the number just read: another device on the same link,
    // or a number changed meanwhile, must not take over the record in memory.
    if (!LoadCalibration(serial, &error)) {
        ui_.showMessage(MessageKind::Error, error);
        return;
    }
    Calibration().SerialNumber = serial;
    Calibration().Res127 = static_cast<float>(comm_->registerValue(kResistor127));
    if (!SaveCalibration(serial, &error))
        ui_.showMessage(MessageKind::Error, error);
}

void CalibrationPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = captionsIn(language_);
    valueTestWindow_.setLanguage(language_);
    // The range label and the size panel are texts of the language too.
    redraw();
}

void CalibrationPage::redraw()
{
    updating_ = true;
    if (connected()) {
        state_.testMode = comm_->registerValue(kTestMode) != 0 ? 1 : 0;
        const bool board1_5 = comm_->registerValue(CalibrationRegisters::kOutputBoards) == kBoard1_5mA;
        state_.outputCurrentLabel = (board1_5 ? kCurrentOutput1_5 : kCurrentOutput32).in(language_);
        if (focus_ != kOutputCurrentEdit) {
            const double fraction =
                comm_->registerValue(CalibrationRegisters::kTestCurrent) / CalibrationRegisters::kTestCurrentScale;
            state_.outputCurrent = shownNumber(board1_5 ? "%.4f" : "%.3f", fraction * fullScale(), decimalSeparator_);
        }
        state_.calibrationDisabled = comm_->registerValue(kCalibrationDisabled) != 0;
        if (focus_ != kResistor127Edit)
            state_.resistor127 = shownNumber("%.2f", comm_->registerValue(kResistor127) / 100.0, decimalSeparator_);
        if (focus_ != kSerialNumberEdit)
            state_.serialNumber = std::to_string(comm_->image().SerialNumber());
        state_.parametersSize =
            kParametersSizePrefix.in(language_) + std::to_string(comm_->registerValue(kParametersSize)) + " bytes";
    }
    updating_ = false;
}

void CalibrationPage::applyTestSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    bool ok = true;
    if (state_.testMode == 0 || state_.testMode == 1)
        ok = comm_->writeRegister(kTestMode, state_.testMode, true) && ok;

    const double fs = fullScale();
    float current = 0;
    const bool currentValid = TryParseSingle(state_.outputCurrent, current) && current >= 0.0f && current <= fs;
    const std::optional<std::uint16_t> currentWord =
        currentValid ? registerWord(current / fs * CalibrationRegisters::kTestCurrentScale) : std::nullopt;
    if (currentWord)
        ok = comm_->writeRegister(CalibrationRegisters::kTestCurrent, *currentWord, true) && ok;
    else
        ui_.showMessage(MessageKind::Error, (fs == 1.5 ? kInvalidCurrent1_5 : kInvalidCurrent32).in(language_));
    if (focus_ == kOutputCurrentEdit)
        focus_ = kNoFocus;

    ok = comm_->writeRegister(kCalibrationDisabled, state_.calibrationDisabled ? 1 : 0, true) && ok;

    float resistor = 0;
    const bool resistorValid = TryParseSingle(state_.resistor127, resistor) && resistor >= 0.0f && resistor <= 655.35f;
    const std::optional<std::uint16_t> resistorWord =
        resistorValid ? registerWord(static_cast<double>(resistor) * 100.0) : std::nullopt;
    if (resistorWord)
        ok = comm_->writeRegister(kResistor127, *resistorWord, true) && ok;
    else
        ui_.showMessage(MessageKind::Error, kInvalidResistor127.in(language_));

    const std::optional<int> serial = parseInteger(state_.serialNumber);
    if (serial && *serial >= 0) {
        const std::uint16_t words[2] = {static_cast<std::uint16_t>(*serial & 0xFFFF),
                                        static_cast<std::uint16_t>(*serial >> 16)};
        ok = comm_->writeRegisters(kSerialNumberLow, words, true) && ok;
    } else {
        ui_.showMessage(MessageKind::Error, kInvalidSerialNumber.in(language_));
    }

    ok = comm_->flushQueuedWrites() && ok;
    if (!ok) {
        readBack();
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
    }
    redraw();
}

void CalibrationPage::readBack()
{
    comm_->readRegisters(kTestMode, 2, true);
    comm_->readRegisters(kCalibrationDisabled, 1, true);
    comm_->readRegisters(kSerialNumberLow, 2, true);
    comm_->readRegisters(kResistor127, 1, true);
    comm_->flushQueuedReads();
}

void CalibrationPage::testModeChosen(int item)
{
    if (updating_ || (item != 0 && item != 1))
        return;
    state_.testMode = item;
    applyTestSettings();
}

void CalibrationPage::calibrationDisabledToggled(bool checked)
{
    if (updating_)
        return;
    state_.calibrationDisabled = checked;
    applyTestSettings();
}

void CalibrationPage::editLeft()
{
    focus_ = kNoFocus;
    applyTestSettings();
}

void CalibrationPage::readTestParametersClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_);
    bool ok = false;
    {
        const BusyHold hold(busy_);
        ok = comm_->readRegisters(kTestParameters, kTestParameterCount);
    }
    if (!ok) {
        ui_.showMessage(MessageKind::Error, kTestParameterReadError.in(language_));
        return;
    }
    TextWindow memo;
    for (int n = 0; n < kTestParameterCount; ++n)
        memo.addLine(std::to_string(n) + ": " + std::to_string(comm_->registerValue(kTestParameters + n)));
    ui_.exec(memo);
}

void CalibrationPage::readLastErrorsClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_);
    bool ok = false;
    {
        const BusyHold hold(busy_);
        ok = comm_->readRegisters(kLastErrors, 2 * kLastErrorCount);
    }
    if (!ok) {
        ui_.showMessage(MessageKind::Error, kTestParameterReadError.in(language_));
        return;
    }
    TextWindow memo;
    for (int n = 0; n < kLastErrorCount; ++n) {
        const auto low = static_cast<std::uint32_t>(comm_->registerValue(kLastErrors + 2 * n)) & 0xFFFFu;
        const auto high = static_cast<std::uint32_t>(comm_->registerValue(kLastErrors + 2 * n + 1)) & 0xFFFFu;
        memo.addLine(std::to_string(n) + ": " + std::to_string(static_cast<std::int32_t>(low | (high << 16))));
    }
    ui_.exec(memo);
}

bool CalibrationPage::simulateMeasurementsClicked()
{
    if (busy_ || !connected())
        return false;
    valueTestWindow_.activate(*comm_, language_);
    return true;
}

bool CalibrationPage::setTestMode(int on)
{
    const BusyHold hold(busy_);
    if (comm_->writeRegister(kTestMode, on, true) && comm_->writeRegister(kCalibrationDisabled, on, true) &&
        comm_->flushQueuedWrites())
        return true;
    readBack();
    redraw();
    return false;
}

void CalibrationPage::outputCalibrationClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_);
    if (!setTestMode(1)) {
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
        return;
    }
    runCalibrationWindow<OutputCalibrationWindow>(ui_, *comm_, language_);
    if (!setTestMode(0))
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
    redraw();
}

void CalibrationPage::rtdRegressionClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    runCalibrationWindow<RtdRegressionWindow>(ui_, *comm_, language_);
}

void CalibrationPage::inputRegressionClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    runCalibrationWindow<InputRegressionWindow>(ui_, *comm_, language_);
}

void CalibrationPage::rtdTableClicked()
{
    if (busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    runCalibrationWindow<RtdTableWindow>(ui_, *comm_, language_);
}
