#include "screens/calibration/RtdTableWindow.h"

#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/CalibrationTexts.h"
#include "settings/DecimalParse.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int kGains = 2540;
constexpr int kOffsets = 2560;
constexpr int kRawReadings = 2580;
constexpr Seconds kLiveTimeout{0.1};

constexpr LangText kInvalidOffset{"Valor de offset inválido. Deve ser um valor entre -10.0 e 10.0.",
                                  "Invalid offset. It must be a value between -10.0 and 10.0.",
                                  "Offset inválido. Deve ser un valor entre -10.0 y 10.0."};
constexpr LangText kInvalidGain{"Valor de ganho inválido. Deve ser um valor entre 0.5 e 1.5.",
                                "Invalid gain. It must be a value between 0.5 and 1.5.",
                                "Ganancia inválida. Deve ser un valor entre 0.5 y 1.5."};
constexpr LangText kSendError{"Erro no envio da configuração para o equipamento.",
                              "Error sending the configuration to the device.",
                              "Error al enviar la configuración a lo dispositivo."};

std::string fixed(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

RtdTableWindow::RtdTableWindow(Ui& ui)
    : Dialog({10, -10})
    , ui_(ui)
{
    setLanguage(0);
}

int RtdTableWindow::channels() const { return comm_ != nullptr && comm_->deviceType() == kQLX700R ? 1 : 6; }

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
    const int n = channels();
    comm.readRegisters(kGains, 2 * n, true);
    comm.readRegisters(kOffsets, 2 * n, true);
    comm.readRegisters(kRawReadings, n, true);
    comm.flushQueuedReads();
    setLanguage(language);
    redraw();
}

void RtdTableWindow::tick()
{
    if (comm_ == nullptr || !comm_->connected() || comm_->busy())
        return;
    comm_->readRegisters(kRawReadings, channels(), true, kLiveTimeout);
    comm_->flushQueuedReads(kLiveTimeout);
    redraw();
}

void RtdTableWindow::redraw()
{
    rows_.clear();
    if (comm_ == nullptr)
        return;
    for (int c = 0; c < channels(); ++c) {
        const std::optional<float> g = readFloatPair(*comm_, kGains + 2 * c);
        const std::optional<float> o = readFloatPair(*comm_, kOffsets + 2 * c);
        std::vector<std::string> row{std::to_string(c + 1), g ? fixed("%.4f", *g) : "-", o ? fixed("%.4f", *o) : "-",
                                     "-", "-"};
        if (comm_->received(kRawReadings + c)) {
            const double r = comm_->registerValue(kRawReadings + c) / 100.0;
            row[3] = fixed("%.2f", r);
            if (g && o) {
                const double gain = std::isfinite(*g) ? *g : 1.0;
                const double offset = std::isfinite(*o) ? *o : 0.0;
                row[4] = fixed("%.2f", r * gain + offset);
            }
        }
        rows_.push_back(std::move(row));
    }
}

void RtdTableWindow::selectCell(int row, int column)
{
    if (comm_ == nullptr || row < 1 || row > static_cast<int>(rows_.size()) || (column != 1 && column != 2))
        return;
    editing_ = true;
    editRow_ = row;
    editColumn_ = column;
    double value = 0;
    cellText_ = TryParseDouble(rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)], value)
                    ? fixed("%.4f", value)
                    : "0.0000";
}

bool RtdTableWindow::cellEditConfirmed()
{
    if (!editing_ || comm_ == nullptr)
        return false;
    double value = 0;
    if (!TryParseDouble(cellText_, value)) {
        ui_.showMessage(MessageKind::Error, calibration::InvalidNumber.in(language_));
        return false;
    }
    if (editColumn_ == 1 && !(value >= 0.5 && value <= 1.5)) {
        ui_.showMessage(MessageKind::Error, kInvalidGain.in(language_));
        return false;
    }
    if (editColumn_ == 2 && !(value >= -10.0 && value <= 10.0)) {
        ui_.showMessage(MessageKind::Error, kInvalidOffset.in(language_));
        return false;
    }
    editing_ = false;
    const int first = (editColumn_ == 1 ? kGains : kOffsets) + 2 * (editRow_ - 1);
    if (!writeFloatPair(*comm_, first, value, false))
        ui_.showMessage(MessageKind::Error, kSendError.in(language_));
    redraw();
    return true;
}
