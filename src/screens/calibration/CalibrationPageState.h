#pragma once

#include <string>

// What the calibration and test page shows.
struct CalibrationPageState {
    int testMode = -1; // -1: no item selected yet
    bool calibrationDisabled = false;
    std::string outputCurrentLabel;
    std::string outputCurrent;
    std::string resistor127;
    std::string serialNumber;
    std::string parametersSize;
};

struct CalibrationPageCaptions {
    std::string testMode, testModeOff, testModeOn, calibrationDisabled, resistor127Label, serialNumberLabel,
        outputCalibration, rtdTable, rtdRegression, inputRegression, readTestParameters, readLastErrors,
        simulateMeasurements;
};
