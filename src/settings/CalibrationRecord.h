#pragma once

#include <array>

// One fitted line of a calibration and the points it was fitted through. The point
// count says how many of the 40 pairs are in use; all 40 are kept in the file.
struct CalibrationCurve {
    static constexpr int kMaxPoints = 40;
    float Gain = 1.0f;
    float Offset = 0.0f;
    int PointCount = 0;
    std::array<float, kMaxPoints> X{};
    std::array<float, kMaxPoints> Y{};
};

// The calibration work kept per device between sessions of the calibration screens.
struct CalibrationRecord {
    int SerialNumber = 1;
    float Res127 = 12700.0f;                             // the 127-ohm reference resistor, hundredths of an ohm
    std::array<CalibrationCurve, 4> CurrentOutputs;      // current outputs 1..4, the 0-32 mA range
    std::array<CalibrationCurve, 4> CurrentOutputs1_5mA; // current outputs 1..4, the 0-1.5 mA range
    std::array<CalibrationCurve, 6> RtdInputs;           // RTD inputs 1..6
    std::array<CalibrationCurve, 3> CurrentInputs;       // current inputs 1..3
};
