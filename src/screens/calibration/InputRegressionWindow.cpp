#include "screens/calibration/InputRegressionWindow.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/calibration/CalibrationNumber.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/CalibrationTexts.h"
#include "settings/CalibrationStore.h"

namespace {

// The R takes a fixed 99.9 here whenever its current input is calibrated.
constexpr int kFixedValuePair = 2682;
constexpr double kFixedValue = 99.9;

} // namespace

InputRegressionWindow::InputRegressionWindow(Ui& ui)
    : RegressionWindow(ui)
{
    setLanguage(0);
}

bool InputRegressionWindow::regulator() const { return comm().deviceType() == kQLX700R; }
bool InputRegressionWindow::voltage() const { return current().unit == ReadingUnit::Volts; }
InputTable InputRegressionWindow::table() const { return CalibrationRegisters::currentInputs(comm().deviceType()); }

CalibrationCurve& InputRegressionWindow::curve()
{
    return Calibration().CurrentInputs[static_cast<std::size_t>(channel())];
}

std::string InputRegressionWindow::liveText(double value) const
{
    return calibrationNumber(voltage() ? "%.1f Vrms" : "%.3f Arms", value);
}

std::string InputRegressionWindow::liveMeasured(double value) const
{
    return calibrationNumber(voltage() ? "%.1f" : "%.3f", value);
}

std::string InputRegressionWindow::channelLabel() const
{
    return LangText{"Entrada", "Input", "Entrada"}.in(language()) + " " + std::to_string(channel() + 1);
}

std::string InputRegressionWindow::titleIn(int l) const
{
    return LangText{"Calibração da Entrada de Corrente por Regressão", "Current Input Calibration with Regression",
                    "Calibración de la Entrada de Corriente com Regresión"}
        .in(l);
}

std::vector<std::string> InputRegressionWindow::expectedColumnsIn(int l) const
{
    if (hasComm() && voltage())
        return {LangText{"Esperado (Vrms)", "Expected (Vrms)", "Esperado (Vrms)"}.in(l)};
    return {LangText{"Esperado (Arms)", "Expected (Arms)", "Esperado (Arms)"}.in(l)};
}

bool InputRegressionWindow::writeExtra()
{
    if (regulator() && channel() == 0 && !writeFloatPair(comm(), kFixedValuePair, kFixedValue, true, true)) {
        ui().showMessage(MessageKind::Error, calibration::SendError.in(language()));
        return false;
    }
    return true;
}
