#include "screens/calibration/FormCalibCorrenteF.h"

#include "app/IntegerText.h"
#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "screens/calibration/CalibRegisters.h"
#include "screens/calibration/CalibTexts.h"
#include "settings/CalibStore.h"
#include "settings/DecimalParse.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kGanho32 = 2510;
constexpr int kOffset32 = 2520;
constexpr int kGanho1_5 = 2620;
constexpr int kOffset1_5 = 2630;
constexpr int kCorrenteTeste = 2101;
constexpr int kTipoPlaca = 2660;
constexpr double kEscalaTeste = 50000.0;
// Neither range's board drives more than this.
constexpr double kMaxCorrente = 32.0;

constexpr LangText kMsgNumPontos{"Número inválido de pontos. Deve ser um inteiro entre 2 e 20.",
                                 "Invalid number of points. It must be an integer between 2 and 20.",
                                 "Número inválido de puntos. Debe ser un entero entre 2 y 20."};
constexpr LangText kMsgCorrente{"Valor de corrente inválida.", "Invalid current value.",
                                "Valor de corriente inválida."};
constexpr LangText kMsgComando{"Erro no comando da saída de corrente.", "Error sending the command to the device.",
                               "Error en lo comando de la salída de corriente."};
constexpr LangText kMsgSalvar{"Erro ao salvar a calibração.", "Error saving the calibration.",
                              "Error al salvar la calibración."};

// A cell's number without its " mA".
bool parseCell(const std::string& text, double& value)
{
    if (text.size() < 3)
        return false;
    return TryParseDouble(std::string_view(text).substr(0, text.size() - 3), value);
}

} // namespace

TFormCalibCorrente::TFormCalibCorrente(Ui& ui)
    : TDialog({10, -10})
    , ui_(ui)
{
    SetIdioma(0);
}

void TFormCalibCorrente::SetIdioma(int language)
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
        calib::SalvarCalibracao.in(l),
    };
    if (comm_ != nullptr)
        pnCalibAtual_ = currentCalibrationText(*comm_, gainRegister(), offsetRegister(), language_);
}

void TFormCalibCorrente::Show(TEquipComm& comm, int language)
{
    comm_ = &comm;
    k_ = 0;
    comm.readRegisters(kGanho32, 8, true);
    comm.readRegisters(kOffset32, 8, true);
    comm.readRegisters(kGanho1_5, 8, true);
    comm.readRegisters(kOffset1_5, 8, true);
    comm.readRegisters(kTipoPlaca, 4, true);
    comm.flushQueuedReads();
    s_ = 1;
    SetIdioma(language);
    std::string error;
    if (!LoadCalibRecord(comm.image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
    loadOutput();
}

int TFormCalibCorrente::gainRegister() const { return (s_ == 2 ? kGanho1_5 : kGanho32) + 2 * k_; }
int TFormCalibCorrente::offsetRegister() const { return (s_ == 2 ? kOffset1_5 : kOffset32) + 2 * k_; }

CalibCurve& TFormCalibCorrente::curve()
{
    const auto k = static_cast<std::size_t>(k_);
    return s_ == 2 ? CalibRecord().SaidaCorrente0_1[k] : CalibRecord().SaidaCorrente[k];
}

std::string TFormCalibCorrente::cell(double value) const
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f mA", value);
    return text;
}

void TFormCalibCorrente::loadOutput()
{
    updating_ = true;
    editing_ = false;
    const CalibCurve& c = curve();
    // A count beyond what the record holds is not taken as a number of rows.
    const int n = std::clamp(c.NumPontos, 0, CalibCurve::kMaxPoints);
    edNumPontos_ = std::to_string(n);
    pnCalibAtual_ = currentCalibrationText(*comm_, gainRegister(), offsetRegister(), language_);
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

void TFormCalibCorrente::points(std::vector<double>& obtained, std::vector<double>& desired) const
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

void TFormCalibCorrente::fitGrid()
{
    std::vector<double> x;
    std::vector<double> y;
    points(x, y);
    fit_ = CalibLineFit(x, y, fit_);
    fitTexts_ = lineFitTexts(fit_);
}

void TFormCalibCorrente::storePoints()
{
    std::vector<double> x;
    std::vector<double> y;
    points(x, y);
    CalibCurve& c = curve();
    c.NumPontos = static_cast<int>(std::min<std::size_t>(x.size(), CalibCurve::kMaxPoints));
    for (int i = 0; i < c.NumPontos; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        c.X[idx] = static_cast<float>(x[idx]);
        c.Y[idx] = static_cast<float>(y[idx]);
    }
    c.Ganho = static_cast<float>(fit_.a);
    c.Offset = static_cast<float>(fit_.b);
    std::string error;
    if (!SaveCalibRecord(comm_->image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
}

bool TFormCalibCorrente::save()
{
    storePoints();
    bool ok = writeFloatPair(*comm_, gainRegister(), fit_.a, true);
    ok = writeFloatPair(*comm_, offsetRegister(), fit_.b, true) && ok;
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, kMsgSalvar.in(language_));
    pnCalibAtual_ = currentCalibrationText(*comm_, gainRegister(), offsetRegister(), language_);
    return ok;
}

bool TFormCalibCorrente::changed() const
{
    const std::optional<float> g = readFloatPair(*comm_, gainRegister());
    const std::optional<float> o = readFloatPair(*comm_, offsetRegister());
    // A device value never read cannot match the fit.
    if (!g || !o)
        return !(fit_.a == 1.0 && fit_.b == 0.0);
    return calibrationChanged(fit_.a, fit_.b, *g, *o);
}

bool TFormCalibCorrente::bbSalvarCalibracaoClick()
{
    if (comm_ == nullptr)
        return false;
    return save();
}

bool TFormCalibCorrente::leaveOutput()
{
    storePoints();
    if (!changed())
        return true;
    switch (ui_.askYesNoCancel(MessageKind::Warning, calib::PerguntaSalvar.in(language_))) {
    case Ui::Answer::Yes:
        return save();
    case Ui::Answer::No:
        return true;
    case Ui::Answer::Cancel:
        break;
    }
    return false;
}

void TFormCalibCorrente::cbIndexSaidaChange(int output)
{
    if (updating_ || comm_ == nullptr || output < 0 || output >= kOutputs || output == k_)
        return;
    if (!leaveOutput())
        return;
    k_ = output;
    loadOutput();
}

void TFormCalibCorrente::rgEscalaClick(int item)
{
    if (updating_ || comm_ == nullptr || (item != 0 && item != 1) || item + 1 == s_)
        return;
    if (!leaveOutput())
        return;
    s_ = item + 1;
    loadOutput();
}

void TFormCalibCorrente::edNumPontosExit()
{
    const std::optional<int> n = parseInteger(edNumPontos_);
    if (!n || *n < kMinPoints || *n > kMaxPoints) {
        ui_.showMessage(MessageKind::Error, kMsgNumPontos.in(language_));
        edNumPontos_ = std::to_string(rows_.size());
        return;
    }
    rows_.resize(static_cast<std::size_t>(*n));
    fitGrid();
}

void TFormCalibCorrente::sendTestCurrent(double value)
{
    // Only a current the board can drive is commanded.
    const std::optional<std::uint16_t> word =
        value >= 0.0 && value <= fullScale() ? registerWord(value / fullScale() * kEscalaTeste) : std::nullopt;
    if (!word)
        return;
    if (!comm_->writeRegister(kCorrenteTeste, *word))
        ui_.showMessage(MessageKind::Error, kMsgComando.in(language_));
}

void TFormCalibCorrente::selectCell(int row, int column)
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
    edVal_ = valid ? text : "0.0000";
}

bool TFormCalibCorrente::edValConfirm()
{
    if (!editing_ || comm_ == nullptr)
        return false;
    double value = 0;
    if (!TryParseDouble(edVal_, value)) {
        ui_.showMessage(MessageKind::Error, calib::ValorNumericoInvalido.in(language_));
        return false;
    }
    const double limit = editColumn_ == 0 && s_ == 2 ? 1.5 : kMaxCorrente;
    if (!(value >= 0.0 && value <= limit)) {
        ui_.showMessage(MessageKind::Error, kMsgCorrente.in(language_));
        return false;
    }
    rows_[static_cast<std::size_t>(editRow_ - 1)][static_cast<std::size_t>(editColumn_)] = cell(value);
    if (editColumn_ == 0)
        sendTestCurrent(value);
    fitGrid();
    editing_ = false;
    return true;
}

void TFormCalibCorrente::bbAceitaClick()
{
    if (comm_ != nullptr && changed() &&
        ui_.askYesNoCancel(MessageKind::Warning, calib::PerguntaSalvar.in(language_)) == Ui::Answer::Yes &&
        !save())
        return;
    close(mrOk);
}
