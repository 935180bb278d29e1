#pragma once

#include "screens/calibration/RegressionWindow.h"

// RTD calibration by regression: the measured and applied resistances of each RTD
// input (the QLX700-R has one); the applied value may be typed as a temperature.
class RtdRegressionWindow final : public RegressionWindow {
public:
    explicit RtdRegressionWindow(Ui& ui);

    // Item 0: ohms, item 1: degrees Celsius.
    void unitChosen(int item) { unit_ = item == 1 ? 1 : 0; }
    int unit() const { return unit_; }

protected:
    InputTable table() const override;
    CalibrationCurve& curve() override;
    std::string liveText(double ohms) const override;
    std::string liveMeasured(double ohms) const override;
    double expectedValue(double typed) const override;
    std::vector<std::string> rowTexts(int i) const override;
    std::string channelLabel() const override;
    std::string titleIn(int language) const override;
    std::vector<std::string> expectedColumnsIn(int language) const override;

private:
    int unit_ = 0;
};
