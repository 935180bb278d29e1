#pragma once

#include "screens/calibration/RegressionWindow.h"

// Current input calibration by regression: the measured and applied values of each
// current input (on the QLX700-R, input 0 is a current and input 1 a voltage).
class InputRegressionWindow final : public RegressionWindow {
public:
    explicit InputRegressionWindow(Ui& ui);

protected:
    int channelCount() const override;
    int gainRegister() const override;
    int offsetRegister() const override;
    CalibrationCurve& curve() override;
    bool readCalibration() override;
    void readLive() override;
    std::string liveText() const override;
    std::string liveMeasured() const override;
    std::string channelLabel() const override;
    Captions captionsIn(int language) const override;
    bool writeExtra() override;

private:
    bool regulator() const;
    // The R's input 1 measures volts.
    bool voltage() const;
    // The gain and offset slot of the input: the R's voltage uses slot 2.
    int slot() const;
    double liveValue() const;
};
