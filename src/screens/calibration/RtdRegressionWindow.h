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
    int channelCount() const override;
    int gainRegister() const override;
    int offsetRegister() const override;
    CalibrationCurve& curve() override;
    bool readCalibration() override;
    void readLive() override;
    std::string liveText() const override;
    std::string liveMeasured() const override;
    double expectedValue(double typed) const override;
    std::vector<std::string> rowTexts(int i) const override;
    std::string channelLabel() const override;
    Captions captionsIn(int language) const override;

private:
    int unit_ = 0;
};
