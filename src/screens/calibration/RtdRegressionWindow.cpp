#include "screens/calibration/RtdRegressionWindow.h"

#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/calibration/CalibrationTexts.h"
#include "screens/calibration/Pt100Curve.h"
#include "settings/CalibrationStore.h"

#include <cstdio>

namespace {

constexpr int kGains = 2540;
constexpr int kOffsets = 2560;
constexpr int kRawReadings = 2580;
constexpr Seconds kLiveTimeout{0.1};

} // namespace

RtdRegressionWindow::RtdRegressionWindow(Ui& ui)
    : RegressionWindow(ui)
{
    setLanguage(0);
}

int RtdRegressionWindow::channelCount() const { return comm().deviceType() == kQLX700R ? 1 : 6; }
int RtdRegressionWindow::gainRegister() const { return kGains + 2 * channel(); }
int RtdRegressionWindow::offsetRegister() const { return kOffsets + 2 * channel(); }
CalibrationCurve& RtdRegressionWindow::curve() { return Calibration().RtdInputs[static_cast<std::size_t>(channel())]; }

bool RtdRegressionWindow::readCalibration() { return readGainsAndOffsets(kGains, kOffsets, 2 * channelCount()); }

void RtdRegressionWindow::readLive()
{
    comm().readRegisters(kRawReadings, channelCount(), true, kLiveTimeout);
    comm().flushQueuedReads(kLiveTimeout);
}

std::string RtdRegressionWindow::liveText() const
{
    if (!comm().received(kRawReadings + channel()))
        return {};
    const double r = comm().registerValue(kRawReadings + channel()) / 100.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f ohms (%.2f ºC)", r, Pt100Temperature(r));
    return text;
}

std::string RtdRegressionWindow::liveMeasured() const
{
    if (!comm().received(kRawReadings + channel()))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", comm().registerValue(kRawReadings + channel()) / 100.0);
    return text;
}

double RtdRegressionWindow::expectedValue(double typed) const
{
    return unit_ == 1 ? Pt100Resistance(typed) : typed;
}

std::vector<std::string> RtdRegressionWindow::rowTexts(int i) const
{
    std::vector<std::string> texts = RegressionWindow::rowTexts(i);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", Pt100Temperature(ys()[static_cast<std::size_t>(i)]));
    texts.emplace_back(text);
    return texts;
}

std::string RtdRegressionWindow::channelLabel() const { return "RTD " + std::to_string(channel() + 1); }

RegressionWindow::Captions RtdRegressionWindow::captionsIn(int l) const
{
    return {
        LangText{"Calibração do RTD por Regressão", "RTD Calibration with Regression", "Calibración de RTD com Regresión"}
            .in(l),
        calibration::Next.in(l),
        calibration::Previous.in(l),
        calibration::MeasuredLabel.in(l),
        calibration::ExpectedLabel.in(l),
        calibration::Add.in(l),
        calibration::Remove.in(l),
        calibration::CopyMeasurement.in(l),
        calibration::SaveCalibration.in(l),
        {"", calibration::Measured.in(l), LangText{"Esperado (ohms)", "Expected (ohms)", "Esperado (ohms)"}.in(l),
         LangText{"Esperado (ºC)", "Expected (ºC)", "Esperado (ºC)"}.in(l)},
    };
}
