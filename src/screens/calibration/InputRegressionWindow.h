#pragma once

#include "screens/calibration/RegressionWindow.h"

// Current input calibration by regression: the measured and applied values of each
// current input (on the QLX700-R, input 0 is a current and input 1 a voltage).
class InputRegressionWindow final : public RegressionWindow {
public:
    explicit InputRegressionWindow(Ui& ui);

protected:
    InputTable table() const override;
    CalibrationCurve& curve() override;
    std::string liveText(double value) const override;
    std::string liveMeasured(double value) const override;
    std::string channelLabel() const override;
    std::string titleIn(int language) const override;
    std::vector<std::string> expectedColumnsIn(int language) const override;
    bool writeExtra() override;

private:
    bool regulator() const;
    // The R's input 1 measures volts.
    bool voltage() const;
};
