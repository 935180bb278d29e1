#include "screens/calibration/OutputCalibrationWindow.h"

#include "app/IntegerText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/calibration/CalibrationNumber.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/CalibrationTexts.h"
#include "screens/calibration/CurvePoints.h"
#include "settings/CalibrationStore.h"
#include "settings/DecimalParse.h"

namespace {

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
std::optional<double> cellCurrent(const std::string& text)
{
    double value = 0;
    if (text.size() < 3 || !TryParseDouble(std::string_view(text).substr(0, text.size() - 3), value))
        return std::nullopt;
    return value;
}

std::string currentCell(double value)
{
    return calibrationNumber("%.3f mA", value);
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
        calibration::SaveCalibration.in(l),
        {LangText{"Corrente Desejada", "Desired Current", "Corriente Deseada"}.in(l),
         LangText{"Corrente Obtida", "Obtained Current", "Corriente Medida"}.in(l)},
    };
    if (comm_ != nullptr)
        deviceCalibration_ = currentCalibrationText(*comm_, calibrationRegisters(), language_);
}

void OutputCalibrationWindow::open(DeviceLink& comm, int language)
{
    comm_ = &comm;
    output_ = 0;
    for (const int range : {0, 1}) {
        const GainOffsetRegisters first = CalibrationRegisters::currentOutput(range, 0);
        comm.readRegisters(first.gain, 2 * kOutputs, true);
        comm.readRegisters(first.offset, 2 * kOutputs, true);
    }
    comm.readRegisters(CalibrationRegisters::kOutputBoards, 4, true);
    comm.flushQueuedReads();
    scale_ = 1;
    setLanguage(language);
    std::string error;
    if (!LoadCalibration(comm.image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
    loadOutput();
}

CalibrationCurve& OutputCalibrationWindow::curve()
{
    const auto k = static_cast<std::size_t>(output_);
    return scale_ == 2 ? Calibration().CurrentOutputs1_5mA[k] : Calibration().CurrentOutputs[k];
}

void OutputCalibrationWindow::loadOutput()
{
    updating_ = true;
    cellEdit_.close();
    std::vector<double> obtained;
    std::vector<double> desired;
    curvePoints(curve(), obtained, desired);
    pointCount_ = std::to_string(obtained.size());
    deviceCalibration_ = currentCalibrationText(*comm_, calibrationRegisters(), language_);
    rows_.clear();
    for (std::size_t i = 0; i < obtained.size(); ++i)
        rows_.push_back({currentCell(desired[i]), currentCell(obtained[i])});
    if (rows_.empty())
        rows_.push_back({"12 mA", "12 mA"});
    fitGrid();
    updating_ = false;
}

void OutputCalibrationWindow::points(std::vector<double>& obtained, std::vector<double>& desired) const
{
    obtained.clear();
    desired.clear();
    for (const auto& row : rows_) {
        const std::optional<double> d = cellCurrent(row[0]);
        const std::optional<double> o = cellCurrent(row[1]);
        if (d && o) {
            desired.push_back(*d);
            obtained.push_back(*o);
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
    storeCurvePoints(curve(), x, y, fit_, comm_->image().SerialNumber(), ui_);
}

bool OutputCalibrationWindow::save()
{
    storePoints();
    const GainOffsetRegisters pairs = calibrationRegisters();
    bool ok = writeFloatPair(*comm_, pairs.gain, fit_.a, true);
    ok = writeFloatPair(*comm_, pairs.offset, fit_.b, true) && ok;
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, kSaveError.in(language_));
    deviceCalibration_ = currentCalibrationText(*comm_, pairs, language_);
    return ok;
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
    if (!fitDiffersFromDevice(*comm_, calibrationRegisters(), fit_))
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
    rows_.resize(static_cast<std::size_t>(*n), std::vector<std::string>(2));
    fitGrid();
}

void OutputCalibrationWindow::sendTestCurrent(double value)
{
    // Only a current the board can drive is commanded.
    if (!(value >= 0.0 && value <= fullScale()))
        return;
    const std::optional<std::uint16_t> word =
        registerWord(value / fullScale() * CalibrationRegisters::kTestCurrentScale);
    if (word && !comm_->writeRegister(CalibrationRegisters::kTestCurrent, *word))
        ui_.showMessage(MessageKind::Error, kCommandError.in(language_));
}

void OutputCalibrationWindow::selectCell(int row, int column)
{
    if (comm_ == nullptr || !cellEdit_.editable(row, column, rows_.size()))
        return;
    const auto& cells = rows_[static_cast<std::size_t>(row - 1)];
    const std::optional<double> desired = cellCurrent(cells[0]);
    cellEdit_.open(row, column, column == 0 ? desired : cellCurrent(cells[1]));
    if (desired)
        sendTestCurrent(*desired);
}

bool OutputCalibrationWindow::cellEditConfirmed()
{
    if (!cellEdit_.editing() || comm_ == nullptr)
        return false;
    const std::optional<double> value = cellEdit_.typedValue(ui_, language_);
    if (!value)
        return false;
    const int column = cellEdit_.column();
    const double limit = column == 0 && scale_ == 2 ? 1.5 : kMaxCurrent;
    if (!(*value >= 0.0 && *value <= limit)) {
        ui_.showMessage(MessageKind::Error, kInvalidCurrent.in(language_));
        return false;
    }
    rows_[static_cast<std::size_t>(cellEdit_.row() - 1)][static_cast<std::size_t>(column)] = currentCell(*value);
    if (column == 0)
        sendTestCurrent(*value);
    fitGrid();
    cellEdit_.close();
    return true;
}

void OutputCalibrationWindow::okClicked()
{
    if (comm_ != nullptr && fitDiffersFromDevice(*comm_, calibrationRegisters(), fit_) &&
        ui_.askYesNoCancel(MessageKind::Warning, calibration::SaveQuestion.in(language_)) == Ui::Answer::Yes &&
        !save())
        return;
    close(mrOk);
}
