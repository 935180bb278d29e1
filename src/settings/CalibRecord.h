#pragma once

#include <array>

// One fitted line of a calibration and the points it was fitted through. The point
// count says how many of the 40 pairs are in use; all 40 are kept in the file.
struct CalibCurve {
    static constexpr int kMaxPoints = 40;
    float Ganho = 1.0f;
    float Offset = 0.0f;
    int NumPontos = 0;
    std::array<float, kMaxPoints> X{};
    std::array<float, kMaxPoints> Y{};
};

// The calibration work kept per device between sessions of the calibration screens.
struct TCalibRecord {
    int NumSerie = 1;
    float Res127 = 12700.0f; // the 127-ohm reference resistor, hundredths of an ohm
    std::array<CalibCurve, 4> SaidaCorrente;    // current outputs 1..4, full range
    std::array<CalibCurve, 4> SaidaCorrente0_1; // current outputs 1..4, the 0..1 range
    std::array<CalibCurve, 6> RTD;              // RTD inputs 1..6
    std::array<CalibCurve, 3> EntrCorr;         // current inputs 1..3
};
