#include "screens/calibration/RtdTableWindow.h"

#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/calibration/CalibrationNumber.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "settings/DecimalParse.h"

#include <cmath>

namespace {

constexpr LangText kInvalidOffset{"Valor de offset inválido. Deve ser um valor entre -10.0 e 10.0.",
                                  "Invalid offset. It must be a value between -10.0 and 10.0.",
                                  "Offset inválido. Deve ser un valor entre -10.0 y 10.0."};
constexpr LangText kInvalidGain{"Valor de ganho inválido. Deve ser um valor entre 0.5 e 1.5.",
                                "Invalid gain. It must be a value between 0.5 and 1.5.",
                                "Ganancia inválida. Deve ser un valor entre 0.5 y 1.5."};
constexpr LangText kConfigurationSendError{"Erro no envio da configuração para o equipamento.",
                                           "Error sending the configuration to the device.",
                                           "Error al enviar la configuración a lo dispositivo."};

} // namespace

RtdTableWindow::RtdTableWindow(Ui& ui)
    : Dialog({10, -10})
    , ui_(ui)
{
    setLanguage(0);
}

InputTable RtdTableWindow::rtds() const
{
    return CalibrationRegisters::rtdInputs(comm_ != nullptr ? comm_->deviceType() : kQLX700T);
}

void RtdTableWindow::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = {LangText{"Calibração dos RTDs", "RTD Calibration", "Calibración de RTD"}.in(language_),
                 {"RTD", LangText{"Ganho", "Gain", "Ganancia"}.in(language_), "Offset",
                  LangText{"Antes Calib.", "Before Calib.", "Antes Calib."}.in(language_),
                  LangText{"Depois Calib.", "After Calib.", "Después Calib."}.in(language_)}};
}

void RtdTableWindow::open(DeviceLink& comm, int language)
{
    comm_ = &comm;
    const InputTable table = rtds();
    const CalibratedInput& first = table.inputs.front();
    comm.readRegisters(first.calibration.gain, table.pairRegisters, true);
    comm.readRegisters(first.calibration.offset, table.pairRegisters, true);
    comm.readRegisters(first.reading, table.readingRegisters, true);
    comm.flushQueuedReads();
    setLanguage(language);
    redraw();
}

void RtdTableWindow::tick()
{
    if (comm_ == nullptr || !comm_->connected() || comm_->busy())
        return;
    const InputTable table = rtds();
    comm_->readRegisters(table.inputs.front().reading, table.readingRegisters, true,
                         CalibrationRegisters::kLiveReadTimeout);
    comm_->flushQueuedReads(CalibrationRegisters::kLiveReadTimeout);
    redraw();
}

void RtdTableWindow::redraw()
{
    rows_.clear();
    if (comm_ == nullptr)
        return;
    int number = 0;
    for (const CalibratedInput& rtd : rtds().inputs) {
        const std::optional<float> g = readFloatPair(*comm_, rtd.calibration.gain);
        const std::optional<float> o = readFloatPair(*comm_, rtd.calibration.offset);
        std::vector<std::string> row{std::to_string(++number), g ? calibrationNumber("%.4f", *g) : "-",
                                     o ? calibrationNumber("%.4f", *o) : "-", "-", "-"};
        if (comm_->received(rtd.reading)) {
            const double r = comm_->registerValue(rtd.reading) / CalibrationRegisters::readingScale(rtd.unit);
            row[3] = calibrationNumber("%.2f", r);
            if (g && o) {
                const double gain = std::isfinite(*g) ? *g : 1.0;
                const double offset = std::isfinite(*o) ? *o : 0.0;
                row[4] = calibrationNumber("%.2f", r * gain + offset);
            }
        }
        rows_.push_back(std::move(row));
    }
}

void RtdTableWindow::selectCell(int row, int column)
{
    if (comm_ == nullptr || !cellEdit_.editable(row, column, rows_.size()))
        return;
    double value = 0;
    const bool shown =
        TryParseDouble(rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)], value);
    cellEdit_.open(row, column, shown ? std::optional(value) : std::nullopt);
}

bool RtdTableWindow::cellEditConfirmed()
{
    if (!cellEdit_.editing() || comm_ == nullptr)
        return false;
    const std::optional<double> value = cellEdit_.typedValue(ui_, language_);
    if (!value)
        return false;
    const bool gain = cellEdit_.column() == 1;
    if (gain && !(*value >= 0.5 && *value <= 1.5)) {
        ui_.showMessage(MessageKind::Error, kInvalidGain.in(language_));
        return false;
    }
    if (!gain && !(*value >= -10.0 && *value <= 10.0)) {
        ui_.showMessage(MessageKind::Error, kInvalidOffset.in(language_));
        return false;
    }
    cellEdit_.close();
    const GainOffsetRegisters pairs =
        rtds().inputs[static_cast<std::size_t>(cellEdit_.row() - 1)].calibration;
    if (!writeFloatPair(*comm_, gain ? pairs.gain : pairs.offset, *value, false))
        ui_.showMessage(MessageKind::Error, kConfigurationSendError.in(language_));
    redraw();
    return true;
}
