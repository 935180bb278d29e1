#include "screens/calibration/InputRegressionWindow.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/CalibrationTexts.h"
#include "settings/CalibrationStore.h"

#include <cstdio>

namespace {

constexpr int kGains = 2600;
constexpr int kOffsets = 2610;
constexpr int kReadings = 2650;
// The R takes a fixed 99.9 here whenever its current input is calibrated.
constexpr int kFixedValuePair = 2682;
constexpr double kFixedValue = 99.9;
constexpr Seconds kLiveTimeout{0.1};

} // namespace

InputRegressionWindow::InputRegressionWindow(Ui& ui)
    : RegressionWindow(ui)
{
    setLanguage(0);
}

bool InputRegressionWindow::regulator() const { return comm().deviceType() == kQLX700R; }
bool InputRegressionWindow::voltage() const { return regulator() && channel() == 1; }
int InputRegressionWindow::slot() const { return voltage() ? 2 : channel(); }
int InputRegressionWindow::channelCount() const { return regulator() ? 2 : 3; }
int InputRegressionWindow::gainRegister() const { return kGains + 2 * slot(); }
int InputRegressionWindow::offsetRegister() const { return kOffsets + 2 * slot(); }
CalibrationCurve& InputRegressionWindow::curve()
{
    return Calibration().CurrentInputs[static_cast<std::size_t>(channel())];
}

// The three slots' pairs, whichever of them the model uses.
bool InputRegressionWindow::readCalibration() { return readGainsAndOffsets(kGains, kOffsets, 6); }

void InputRegressionWindow::readLive()
{
    comm().readRegisters(kReadings, 3, true, kLiveTimeout);
    comm().flushQueuedReads(kLiveTimeout);
}

double InputRegressionWindow::liveValue() const
{
    return voltage() ? comm().registerValue(kReadings + 1) / 10.0
                     : comm().registerValue(kReadings + channel()) / 1000.0;
}

std::string InputRegressionWindow::liveText() const
{
    if (!comm().received(kReadings + (voltage() ? 1 : channel())))
        return {};
    char text[48];
    std::snprintf(text, sizeof text, voltage() ? "%.1f Vrms" : "%.3f Arms", liveValue());
    return text;
}

std::string InputRegressionWindow::liveMeasured() const
{
    if (!comm().received(kReadings + (voltage() ? 1 : channel())))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, voltage() ? "%.1f" : "%.3f", liveValue());
    return text;
}

std::string InputRegressionWindow::channelLabel() const
{
    return LangText{"Entrada", "Input", "Entrada"}.in(language()) + " " + std::to_string(channel() + 1);
}

RegressionWindow::Captions InputRegressionWindow::captionsIn(int l) const
{
    const bool volts = hasComm() && voltage();
    return {
        LangText{"Calibração da Entrada de Corrente por Regressão", "Current Input Calibration with Regression",
                 "Calibración de la Entrada de Corriente com Regresión"}
            .in(l),
        calibration::Next.in(l),
        calibration::Previous.in(l),
        calibration::MeasuredLabel.in(l),
        calibration::ExpectedLabel.in(l),
        calibration::Add.in(l),
        calibration::Remove.in(l),
        calibration::CopyMeasurement.in(l),
        calibration::SaveCalibration.in(l),
        {"", calibration::Measured.in(l),
         volts ? LangText{"Esperado (Vrms)", "Expected (Vrms)", "Esperado (Vrms)"}.in(l)
               : LangText{"Esperado (Arms)", "Expected (Arms)", "Esperado (Arms)"}.in(l)},
    };
}

bool InputRegressionWindow::writeExtra()
{
    if (regulator() && channel() == 0 && !writeFloatPair(comm(), kFixedValuePair, kFixedValue, true, true)) {
        ui().showMessage(MessageKind::Error, calibration::SendError.in(language()));
        return false;
    }
    return true;
}
