#include "screens/thermal/FaultDetectionWindow.h"

#include "app/AppSettings.h"
#include "app/LanguageText.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/common/FileChooser.h"
#include "screens/thermal/ThermalLive.h"
#include "screens/thermal/ValueWindowTexts.h"
#include "settings/AtomicFile.h"
#include "settings/TextEncoding.h"
#include "settings/DecimalParse.h"
#include "settings/FloatWords.h"
#include "settings/RegisterRounding.h"

#include <cstdint>
#include <cstdio>

namespace {
constexpr int kFirstRegister = 1201;
constexpr int kParameterRegister = 1202;
constexpr int kStateRegister = 1209;
constexpr int kResultRegister = 1210;
constexpr int kRtd1Register = 510;
constexpr int kDeadTime = 5;
// The device counts the first four parameters in periods of 1.2 s.
constexpr double kPeriod = 1.2;

constexpr std::array<const char*, 7> kParameterNames{"Nmin", "Nmax", "Nestim", "Nmeas", "Nmm", "Nme", "Delta"};
constexpr LangText kFaultDetectionCaption{"Detecta Falha Membrana", "Detect Membrane Failure",
                                          "Detecta Falha Membrana"};
constexpr LangText kSaveMeasurements{"Salvar Medidas", "Save Measurements", "Salvar Medidas"};
constexpr LangText kInfo{"Nmin, Nmax, Nestim e Nmeas em segundos,  Nmm e Nme em amostras,  e Delta em ºC",
                         "Nmin, Nmax, Nestim and Nmeas in seconds,  Nmm and Nme in samples,  and Delta in ºC",
                         "Nmin, Nmax, Nestim y Nmeas en segundos,  Nmm y Nme en amostras,  y Delta en ºC"};
constexpr LangText kTitleSave{"Salvar Dados", "Save Data", "Salvar Dados"};
constexpr LangText kMeasurementFileFilter{"Arquivo texto (*.txt)|*.txt", "Text file (*.txt)|*.txt",
                                          "Arquivo texto (*.txt)|*.txt"};
constexpr LangText kPresentMeasurement{"Medida Atual:  ", "Current Measure:  ", "Medida Atual:  "};
constexpr LangText kRecordingStopped{"A gravação foi interrompida: ", "The recording was stopped: ",
                                     "La grabación fue interrumpida: "};
constexpr std::array<LangText, 6> kStates{{
    {"Estado:  Setup", "State:  Setup", "Estado:  Setup"},
    {"Estado:  Estabilização", "State:  Stabilization", "Estado:  Estabilización"},
    {"Estado:  Estímulo", "State:  Stimulus", "Estado:  Estímulo"},
    {"Estado:  Espera", "State:  Wait", "Estado:  Espera"},
    {"Estado:  Medição", "State:  Measure", "Estado:  Medición"},
    {"Estado:  Tempo Morto", "State:  Dead Time", "Estado:  Tiempo Morto"},
}};
constexpr LangText kUnknownState{"Estado desconhecido", "Unknown State", "Estado desconocido"};

std::string withDecimals(double value, int decimals)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// Row 1..7 typed value to the register value, clamped as the device expects.
std::uint16_t toRegister(int row, double v)
{
    if (v < 0)
        return 0;
    if (row <= 4)
        return v > 1440 ? 1200 : static_cast<std::uint16_t>(roundHalfEven(v / kPeriod));
    if (row <= 6)
        return v > 1440 ? 1440 : static_cast<std::uint16_t>(roundHalfEven(v));
    return v > 200 ? 2000 : static_cast<std::uint16_t>(roundHalfEven(v * 10));
}
} // namespace

FaultDetectionWindow::FaultDetectionWindow(AppSettings& settings, Ui& ui, FileChooser& files)
    : Dialog({200, 200})
    , settings_(settings)
    , ui_(ui)
    , files_(files)
{
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i] = kParameterNames[i];
}

void FaultDetectionWindow::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    comm.readRegisters(kFirstRegister, 11);
    setLanguage(language);
    fillRows();
}

void FaultDetectionWindow::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = {kFaultDetectionCaption.in(language_), kValueWindowSend.in(language_),
                 kSaveMeasurements.in(language_), kInfo.in(language_)};
}

void FaultDetectionWindow::fillRows()
{
    for (int row = 1; row <= kRowCount; ++row) {
        const int value = comm_->registerValue(kParameterRegister + row - 1);
        auto& cell = values_[static_cast<std::size_t>(row - 1)];
        if (row <= 4)
            cell = withDecimals(value * kPeriod, 1);
        else if (row <= 6)
            cell = std::to_string(value);
        else
            cell = withDecimals(value / 10.0, 1);
    }
}

void FaultDetectionWindow::tick()
{
    if (comm_ == nullptr || busy_)
        return;
    const BusyHold hold(busy_);
    comm_->readRegisters(kStateRegister, 3, true);
    comm_->readRegisters(kRtd1Register, 1, true);
    comm_->flushQueuedReads();
    const float result = WordsToSingle(static_cast<std::uint16_t>(comm_->registerValue(kResultRegister)),
                                       static_cast<std::uint16_t>(comm_->registerValue(kResultRegister + 1)));
    resultText_ = "Result:  " + withDecimals(static_cast<double>(result), 5);
    measurementText_ =
        kPresentMeasurement.in(language_) + withDecimals(thermalTemperature(comm_->registerValue(kRtd1Register)), 1);
    const int state = comm_->registerValue(kStateRegister);
    stateText_ = state >= 0 && state < static_cast<int>(kStates.size())
                     ? kStates[static_cast<std::size_t>(state)].in(language_)
                     : kUnknownState.in(language_);
    if (recording_)
        record(state);
    previousState_ = state;
}

// The whole course goes to the file on every tick, written anew through a temporary
// file; the first failure ends the recording and says why.
void FaultDetectionWindow::record(int state)
{
    if (state != previousState_) {
        lines_.push_back(stateText_);
        if (state == kDeadTime)
            lines_.push_back(resultText_);
    }
    lines_.push_back(measurementText_);
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    std::string error;
    // Windows-1252 with CRLF, as every text file of the tool.
    if (!writeFileAtomically(file_, utf8ToCp1252(text), error)) {
        recording_ = false;
        ui_.showMessage(MessageKind::Error, kRecordingStopped.in(language_) + error);
    }
}

void FaultDetectionWindow::sendClicked()
{
    if (comm_ == nullptr)
        return;
    const BusyHold hold(busy_);
    std::array<std::uint16_t, kRowCount> block{};
    for (int row = 1; row <= kRowCount; ++row) {
        const std::string& text = values_[static_cast<std::size_t>(row - 1)];
        double v = 0;
        if (!TryParseDouble(text, v)) {
            ui_.showMessage(MessageKind::Error, kInvalidValue.in(language_) + text);
            return;
        }
        block[static_cast<std::size_t>(row - 1)] = toRegister(row, v);
    }
    comm_->writeRegisters(kParameterRegister, block, false, true);
}

void FaultDetectionWindow::recordingToggled(bool down)
{
    if (!down) {
        recording_ = false;
        return;
    }
    lines_.clear();
    std::string& last = settings_.record().LastFaultDetectionPath;
    const auto file = files_.chooseSaveFile({kTitleSave.in(language_), kMeasurementFileFilter.in(language_), "txt",
                                             last.empty() ? std::filesystem::path()
                                                          : std::filesystem::path(last).parent_path()});
    if (!file)
        return;
    last = file->string();
    saveSettings(settings_, ui_, language_);
    file_ = *file;
    recording_ = true;
}
