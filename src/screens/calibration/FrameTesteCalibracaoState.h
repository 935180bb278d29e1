#pragma once

#include <string>

// What the calibration and test page shows.
struct FrameTesteCalibracaoState {
    int rgModoTesteCalibracao = -1; // -1: no item selected yet
    bool cbDesativaCalib = false;
    std::string lblSaidaCorrente;
    std::string edSaidaCorrente;
    std::string edCalib127;
    std::string edNumSerie;
    std::string pnTamanhoParametros;
};

struct FrameTesteCalibracaoCaptions {
    std::string rgModoTesteCalibracao, modoDesligado, modoLigado, cbDesativaCalib, lblCalibR127, lblNumSerie,
        bbCalibrarSaidaCorrente, bbCalibrarRTDs, bbCalibrarRTDRegressao, bbCalibrarEntrCorrReg, bbLerParTeste,
        bbLerUltimosErros, bbSimulaMedidas;
};
