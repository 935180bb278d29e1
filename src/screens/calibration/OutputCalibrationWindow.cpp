#include "screens/calibration/OutputCalibrationWindow.h"

#include "app/IntegerText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/CalibrationTexts.h"
#include "settings/CalibrationStore.h"
#include "settings/DecimalParse.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kGains32 = 2510;
constexpr int kOffsets32 = 2520;
constexpr int kGains1_5 = 2620;
constexpr int kOffsets1_5 = 2630;
constexpr int kTestCurrent = 2101;
constexpr int kBoardType = 2660;
constexpr double kTestCurrentScale = 50000.0;
// Neither range's board drives more than this.
constexpr double kMaxCurrent = 32.0;

constexpr LangText kInvalidPointCount{"Número inválido de pontos. Deve ser um inteiro entre 2 e 20.",
                                      "Invalid number of points. It must be an integer between 2 and 20.",
                                      "Número inválido de puntos. Debe ser un entero entre 2 y 20."};
constexpr LangText kInvalidCurrent{"Valor de corrente inválida.", "Invalid current value.",
                                   "Valor de corriente inválida."};
constexpr LangText kCommandError{"Erro no comando da saída de corrente.", "Error sending the command to the device.",
                                 "Error en lo comando de la salída de corriente."};
constexpr LangText kSaveError{"Erro ao salvar a calibração.", "Error saving the calibration.",
                              "Error al salvar la calibración."};

// A cell's number without its " mA".
bool parseCell(const std::string& text, double& value)
{
    if (text.size() < 3)
        return false;
    return TryParseDouble(std::string_view(text).substr(0, text.size() - 3), value);
}

} // namespace

OutputCalibrationWindow::OutputCalibrationWindow(Ui& ui)
    : Dialog({10, -10})
    , ui_(ui)
{
    setLanguage(0);
}

void OutputCalibrationWindow::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    const int l = language_;
    captions_ = {
        LangText{"Calibração da Saída de Corrente", "Current Output Calibration",
                 "Calibración de la Salída de Corriente"}
            .in(l),
        LangText{"Número de pontos para regressão", "Number of points for regression",
                 "Número de puntos para regresión"}
            .in(l),
        LangText{"Saída de Corrente", "Current Output", "Salida de Corriente"}.in(l),
        LangText{"Placa de Saída", "Output Board", "Tablero de Salida"}.in(l),
        "0 - 32mA",
        "0 - 1.5mA",
        LangText{"Corrente Desejada", "Desired Current", "Corriente Deseada"}.in(l),
        LangText{"Corrente Obtida", "Obtained Current", "Corriente Medida"}.in(l),
        calibration::SaveCalibration.in(l),
    };
    if (comm_ != nullptr)
        deviceCalibration_ = currentCalibrationText(*comm_, gainRegister(), offsetRegister(), language_);
}

void OutputCalibrationWindow::open(DeviceLink& comm, int language)
{
    comm_ = &comm;
    output_ = 0;
    comm.readRegisters(kGains32, 8, true);
    comm.readRegisters(kOffsets32, 8, true);
    comm.readRegisters(kGains1_5, 8, true);
    comm.readRegisters(kOffsets1_5, 8, true);
    comm.readRegisters(kBoardType, 4, true);
    comm.flushQueuedReads();
    scale_ = 1;
    setLanguage(language);
    std::string error;
    if (!LoadCalibration(comm.image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
    loadOutput();
}

int OutputCalibrationWindow::gainRegister() const { return (scale_ == 2 ? kGains1_5 : kGains32) + 2 * output_; }
int OutputCalibrationWindow::offsetRegister() const { return (scale_ == 2 ? kOffsets1_5 : kOffsets32) + 2 * output_; }

CalibrationCurve& OutputCalibrationWindow::curve()
{
    const auto k = static_cast<std::size_t>(output_);
    return scale_ == 2 ? Calibration().CurrentOutputs1_5mA[k] : Calibration().CurrentOutputs[k];
}

std::string OutputCalibrationWindow::cell(double value) const
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f mA", value);
    return text;
}

void OutputCalibrationWindow::loadOutput()
{
    updating_ = true;
    editing_ = false;
    const CalibrationCurve& c = curve();
    // A count beyond what the record holds is not taken as a number of rows.
    const int n = std::clamp(c.PointCount, 0, CalibrationCurve::kMaxPoints);
    pointCount_ = std::to_string(n);
    deviceCalibration_ = currentCalibrationText(*comm_, gainRegister(), offsetRegister(), language_);
    rows_.clear();
    for (int i = 0; i < n; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        rows_.push_back({cell(c.Y[idx]), cell(c.X[idx])});
    }
    if (n == 0)
        rows_.push_back({"12 mA", "12 mA"});
    fitGrid();
    updating_ = false;
}

void OutputCalibrationWindow::points(std::vector<double>& obtained, std::vector<double>& desired) const
{
    obtained.clear();
    desired.clear();
    for (const auto& row : rows_) {
        double d = 0;
        double o = 0;
        if (parseCell(row[0], d) && parseCell(row[1], o)) {
            desired.push_back(d);
            obtained.push_back(o);
        }
    }
}

void OutputCalibrationWindow::fitGrid()
{
    std::vector<double> x;
    std::vector<double> y;
    points(x, y);
    fit_ = fitLine(x, y, fit_);
    fitTexts_ = lineFitTexts(fit_);
}

void OutputCalibrationWindow::storePoints()
{
    std::vector<double> x;
    std::vector<double> y;
    points(x, y);
    CalibrationCurve& c = curve();
    c.PointCount = static_cast<int>(std::min<std::size_t>(x.size(), CalibrationCurve::kMaxPoints));
    for (int i = 0; i < c.PointCount; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        c.X[idx] = static_cast<float>(x[idx]);
        c.Y[idx] = static_cast<float>(y[idx]);
    }
    c.Gain = static_cast<float>(fit_.a);
    c.Offset = static_cast<float>(fit_.b);
    std::string error;
    if (!SaveCalibration(comm_->image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
}

bool OutputCalibrationWindow::save()
{
    storePoints();
    bool ok = writeFloatPair(*comm_, gainRegister(), fit_.a, true);
    ok = writeFloatPair(*comm_, offsetRegister(), fit_.b, true) && ok;
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, kSaveError.in(language_));
    deviceCalibration_ = currentCalibrationText(*comm_, gainRegister(), offsetRegister(), language_);
    return ok;
}

bool OutputCalibrationWindow::changed() const
{
    const std::optional<float> g = readFloatPair(*comm_, gainRegister());
    const std::optional<float> o = readFloatPair(*comm_, offsetRegister());
    // A device value never read cannot match the fit.
    if (!g || !o)
        return !(fit_.a == 1.0 && fit_.b == 0.0);
    return calibrationChanged(fit_.a, fit_.b, *g, *o);
}

bool OutputCalibrationWindow::saveCalibrationClicked()
{
    if (comm_ == nullptr)
        return false;
    return save();
}

bool OutputCalibrationWindow::leaveOutput()
{
    storePoints();
    if (!changed())
        return true;
    switch (ui_.askYesNoCancel(MessageKind::Warning, calibration::SaveQuestion.in(language_))) {
    case Ui::Answer::Yes:
        return save();
    case Ui::Answer::No:
        return true;
    case Ui::Answer::Cancel:
        break;
    }
    return false;
}

void OutputCalibrationWindow::outputChosen(int output)
{
    if (updating_ || comm_ == nullptr || output < 0 || output >= kOutputs || output == output_)
        return;
    if (!leaveOutput())
        return;
    output_ = output;
    loadOutput();
}

void OutputCalibrationWindow::rangeChosen(int item)
{
    if (updating_ || comm_ == nullptr || (item != 0 && item != 1) || item + 1 == scale_)
        return;
    if (!leaveOutput())
        return;
    scale_ = item + 1;
    loadOutput();
}

void OutputCalibrationWindow::pointCountLeft()
{
    const std::optional<int> n = parseInteger(pointCount_);
    if (!n || *n < kMinPoints || *n > kMaxPoints) {
        ui_.showMessage(MessageKind::Error, kInvalidPointCount.in(language_));
        pointCount_ = std::to_string(rows_.size());
        return;
    }
    rows_.resize(static_cast<std::size_t>(*n));
    fitGrid();
}

void OutputCalibrationWindow::sendTestCurrent(double value)
{
    // Only a current the board can drive is commanded.
    const std::optional<std::uint16_t> word =
        value >= 0.0 && value <= fullScale() ? registerWord(value / fullScale() * kTestCurrentScale) : std::nullopt;
    if (!word)
        return;
    if (!comm_->writeRegister(kTestCurrent, *word))
        ui_.showMessage(MessageKind::Error, kCommandError.in(language_));
}

void OutputCalibrationWindow::selectCell(int row, int column)
{
    if (comm_ == nullptr || row < 1 || row > static_cast<int>(rows_.size()) || (column != 0 && column != 1))
        return;
    editing_ = true;
    editRow_ = row;
    editColumn_ = column;
    const auto& cells = rows_[static_cast<std::size_t>(row - 1)];
    double desired = 0;
    const bool desiredValid = parseCell(cells[0], desired);
    if (desiredValid)
        sendTestCurrent(desired);
    double shown = 0;
    const bool valid = column == 0 ? desiredValid : parseCell(cells[1], shown);
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", column == 0 ? desired : shown);
    cellText_ = valid ? text : "0.0000";
}

bool OutputCalibrationWindow::cellEditConfirmed()
{
    if (!editing_ || comm_ == nullptr)
        return false;
    double value = 0;
    if (!TryParseDouble(cellText_, value)) {
        ui_.showMessage(MessageKind::Error, calibration::InvalidNumber.in(language_));
        return false;
    }
    const double limit = editColumn_ == 0 && scale_ == 2 ? 1.5 : kMaxCurrent;
    if (!(value >= 0.0 && value <= limit)) {
        ui_.showMessage(MessageKind::Error, kInvalidCurrent.in(language_));
        return false;
    }
    rows_[static_cast<std::size_t>(editRow_ - 1)][static_cast<std::size_t>(editColumn_)] = cell(value);
    if (editColumn_ == 0)
        sendTestCurrent(value);
    fitGrid();
    editing_ = false;
    return true;
}

void OutputCalibrationWindow::okClicked()
{
    if (comm_ != nullptr && changed() &&
        ui_.askYesNoCancel(MessageKind::Warning, calibration::SaveQuestion.in(language_)) == Ui::Answer::Yes &&
        !save())
        return;
    close(mrOk);
}
