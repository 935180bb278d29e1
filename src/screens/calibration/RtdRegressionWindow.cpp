#include "screens/calibration/RtdRegressionWindow.h"

#include "app/LanguageText.h"
#include "device/DeviceLink.h"
#include "screens/calibration/CalibrationNumber.h"
#include "screens/calibration/Pt100Curve.h"
#include "settings/CalibrationStore.h"

#include <cstdio>

RtdRegressionWindow::RtdRegressionWindow(Ui& ui)
    : RegressionWindow(ui)
{
    setLanguage(0);
}

InputTable RtdRegressionWindow::table() const { return CalibrationRegisters::rtdInputs(comm().deviceType()); }
CalibrationCurve& RtdRegressionWindow::curve() { return Calibration().RtdInputs[static_cast<std::size_t>(channel())]; }

std::string RtdRegressionWindow::liveText(double ohms) const
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f ohms (%.2f ºC)", ohms, Pt100Temperature(ohms));
    return text;
}

std::string RtdRegressionWindow::liveMeasured(double ohms) const { return calibrationNumber("%.3f", ohms); }

double RtdRegressionWindow::expectedValue(double typed) const
{
    return unit_ == 1 ? Pt100Resistance(typed) : typed;
}

std::vector<std::string> RtdRegressionWindow::rowTexts(int i) const
{
    std::vector<std::string> texts = RegressionWindow::rowTexts(i);
    texts.push_back(calibrationNumber("%.2f", Pt100Temperature(ys()[static_cast<std::size_t>(i)])));
    return texts;
}

std::string RtdRegressionWindow::channelLabel() const { return "RTD " + std::to_string(channel() + 1); }

std::string RtdRegressionWindow::titleIn(int l) const
{
    return LangText{"Calibração do RTD por Regressão", "RTD Calibration with Regression",
                    "Calibración de RTD com Regresión"}
        .in(l);
}

std::vector<std::string> RtdRegressionWindow::expectedColumnsIn(int l) const
{
    return {LangText{"Esperado (ohms)", "Expected (ohms)", "Esperado (ohms)"}.in(l),
            LangText{"Esperado (ºC)", "Expected (ºC)", "Esperado (ºC)"}.in(l)};
}
