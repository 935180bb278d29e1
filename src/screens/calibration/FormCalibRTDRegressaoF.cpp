#include "screens/calibration/FormCalibRTDRegressaoF.h"

#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "screens/calibration/CalibTexts.h"
#include "screens/calibration/Pt100Curve.h"
#include "settings/CalibStore.h"

#include <cstdio>

namespace {

constexpr int kGanho = 2540;
constexpr int kOffset = 2560;
constexpr int kBruta = 2580;
constexpr Seconds kLiveTimeout{0.1};

} // namespace

TFormCalibRTDRegressao::TFormCalibRTDRegressao(Ui& ui)
    : TFormCalibRegressao(ui)
{
    SetIdioma(0);
}

int TFormCalibRTDRegressao::channelCount() const { return comm().deviceType() == kQLX700R ? 1 : 6; }
int TFormCalibRTDRegressao::gainRegister() const { return kGanho + 2 * channel(); }
int TFormCalibRTDRegressao::offsetRegister() const { return kOffset + 2 * channel(); }
CalibCurve& TFormCalibRTDRegressao::curve() { return CalibRecord().RTD[static_cast<std::size_t>(channel())]; }

bool TFormCalibRTDRegressao::readCalibration() { return readGainsAndOffsets(kGanho, kOffset, 2 * channelCount()); }

void TFormCalibRTDRegressao::readLive()
{
    comm().readRegisters(kBruta, channelCount(), true, kLiveTimeout);
    comm().flushQueuedReads(kLiveTimeout);
}

std::string TFormCalibRTDRegressao::liveText() const
{
    if (!comm().received(kBruta + channel()))
        return {};
    const double r = comm().registerValue(kBruta + channel()) / 100.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f ohms (%.2f ºC)", r, Pt100Temperature(r));
    return text;
}

std::string TFormCalibRTDRegressao::liveMeasured() const
{
    if (!comm().received(kBruta + channel()))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", comm().registerValue(kBruta + channel()) / 100.0);
    return text;
}

double TFormCalibRTDRegressao::expectedValue(double typed) const
{
    return unidade_ == 1 ? Pt100Resistance(typed) : typed;
}

std::vector<std::string> TFormCalibRTDRegressao::rowTexts(int i) const
{
    std::vector<std::string> texts = TFormCalibRegressao::rowTexts(i);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", Pt100Temperature(ys()[static_cast<std::size_t>(i)]));
    texts.emplace_back(text);
    return texts;
}

std::string TFormCalibRTDRegressao::channelLabel() const { return "RTD " + std::to_string(channel() + 1); }

TFormCalibRegressao::Captions TFormCalibRTDRegressao::captionsIn(int l) const
{
    return {
        LangText{"Calibração do RTD por Regressão", "RTD Calibration with Regression", "Calibración de RTD com Regresión"}
            .in(l),
        calib::Proximo.in(l),
        calib::Anterior.in(l),
        calib::LblMedido.in(l),
        calib::LblEsperado.in(l),
        calib::Adicionar.in(l),
        calib::Remover.in(l),
        calib::CopiaMedida.in(l),
        calib::SalvarCalibracao.in(l),
        {"", calib::Medido.in(l), LangText{"Esperado (ohms)", "Expected (ohms)", "Esperado (ohms)"}.in(l),
         LangText{"Esperado (ºC)", "Expected (ºC)", "Esperado (ºC)"}.in(l)},
    };
}
