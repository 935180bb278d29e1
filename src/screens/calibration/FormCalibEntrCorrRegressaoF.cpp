#include "screens/calibration/FormCalibEntrCorrRegressaoF.h"

#include "app/Ui.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "screens/calibration/CalibRegisters.h"
#include "screens/calibration/CalibTexts.h"
#include "settings/CalibStore.h"

#include <cstdio>

namespace {

constexpr int kGanho = 2600;
constexpr int kOffset = 2610;
constexpr int kLeitura = 2650;
// The R takes a fixed 99.9 here whenever its current input is calibrated.
constexpr int kFixo = 2682;
constexpr double kValorFixo = 99.9;
constexpr Seconds kLiveTimeout{0.1};

} // namespace

TFormCalibEntrCorrRegressao::TFormCalibEntrCorrRegressao(Ui& ui)
    : TFormCalibRegressao(ui)
{
    SetIdioma(0);
}

bool TFormCalibEntrCorrRegressao::regulator() const { return comm().deviceType() == kQLX700R; }
bool TFormCalibEntrCorrRegressao::voltage() const { return regulator() && channel() == 1; }
int TFormCalibEntrCorrRegressao::slot() const { return voltage() ? 2 : channel(); }
int TFormCalibEntrCorrRegressao::channelCount() const { return regulator() ? 2 : 3; }
int TFormCalibEntrCorrRegressao::gainRegister() const { return kGanho + 2 * slot(); }
int TFormCalibEntrCorrRegressao::offsetRegister() const { return kOffset + 2 * slot(); }
CalibCurve& TFormCalibEntrCorrRegressao::curve() { return CalibRecord().EntrCorr[static_cast<std::size_t>(channel())]; }

// The three slots' pairs, whichever of them the model uses.
bool TFormCalibEntrCorrRegressao::readCalibration() { return readGainsAndOffsets(kGanho, kOffset, 6); }

void TFormCalibEntrCorrRegressao::readLive()
{
    comm().readRegisters(kLeitura, 3, true, kLiveTimeout);
    comm().flushQueuedReads(kLiveTimeout);
}

double TFormCalibEntrCorrRegressao::liveValue() const
{
    return voltage() ? comm().registerValue(kLeitura + 1) / 10.0 : comm().registerValue(kLeitura + channel()) / 1000.0;
}

std::string TFormCalibEntrCorrRegressao::liveText() const
{
    if (!comm().received(kLeitura + (voltage() ? 1 : channel())))
        return {};
    char text[48];
    std::snprintf(text, sizeof text, voltage() ? "%.1f Vrms" : "%.3f Arms", liveValue());
    return text;
}

std::string TFormCalibEntrCorrRegressao::liveMeasured() const
{
    if (!comm().received(kLeitura + (voltage() ? 1 : channel())))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, voltage() ? "%.1f" : "%.3f", liveValue());
    return text;
}

std::string TFormCalibEntrCorrRegressao::channelLabel() const
{
    return LangText{"Entrada", "Input", "Entrada"}.in(language()) + " " + std::to_string(channel() + 1);
}

TFormCalibRegressao::Captions TFormCalibEntrCorrRegressao::captionsIn(int l) const
{
    const bool volts = hasComm() && voltage();
    return {
        LangText{"Calibração da Entrada de Corrente por Regressão", "Current Input Calibration with Regression",
                 "Calibración de la Entrada de Corriente com Regresión"}
            .in(l),
        calib::Proximo.in(l),
        calib::Anterior.in(l),
        calib::LblMedido.in(l),
        calib::LblEsperado.in(l),
        calib::Adicionar.in(l),
        calib::Remover.in(l),
        calib::CopiaMedida.in(l),
        calib::SalvarCalibracao.in(l),
        {"", calib::Medido.in(l),
         volts ? LangText{"Esperado (Vrms)", "Expected (Vrms)", "Esperado (Vrms)"}.in(l)
               : LangText{"Esperado (Arms)", "Expected (Arms)", "Esperado (Arms)"}.in(l)},
    };
}

bool TFormCalibEntrCorrRegressao::writeExtra()
{
    if (regulator() && channel() == 0 && !writeFloatPair(comm(), kFixo, kValorFixo, true, true)) {
        ui().showMessage(MessageKind::Error, calib::ErroEnvioCalib.in(language()));
        return false;
    }
    return true;
}
